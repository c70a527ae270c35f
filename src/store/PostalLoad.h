#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Loads the postal service's downloads (the range DB, the building DB or
// both) into the program's own postal file. The new file is built beside the
// old one under a name of its own and takes the old one's place only when
// the caller commits it, so a failed, refused or cancelled load leaves the
// old data working.
class PostalLoad {
  public:
    struct Summary {
        qint64 roadRows = 0;     // rows of the road-name ranges
        qint64 lotRows = 0;      // rows of the lot-number ranges
        qint64 boxRows = 0;      // post-office boxes (counted, not kept)
        qint64 buildingRows = 0; // buildings of the building DB
        qint64 skippedRows = 0;  // rows without a five-digit code
        QString date;            // of the data, "20251028"; empty when no name tells it
        QStringList provinces;   // the 시도 found

        // What was read, in one line for the user.
        QString text() const;
        // Why the data looks like less than the whole country; empty when
        // it does not.
        QString shortfall() const;
    };

    explicit PostalLoad(const QString& target);
    ~PostalLoad();
    PostalLoad(const PostalLoad&) = delete;
    PostalLoad& operator=(const PostalLoad&) = delete;

    // Reads the files into the new file. The progress runs from 0 to 100 and
    // returns false to cancel; a cancelled build gives no summary. A file
    // that is not the data (its message says which download is wanted and
    // where to get it), an unreadable file and a damaged archive are a
    // StoreError.
    std::optional<Summary> build(const QStringList& paths,
                                 const std::function<bool(int percent)>& progress);
    // Puts the built file in the old one's place.
    void commit();

  private:
    QString target;
    QString part;
    bool built = false;
};
