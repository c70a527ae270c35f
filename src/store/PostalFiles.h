#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The text files of the postal service's downloads as the user picked them:
// ZIP archives as downloaded (the names inside in UTF-8 or CP949) or text
// files already taken out of them. Each file is read line by line, every
// line decoded in the file's own encoding: UTF-8, with or without a
// byte-order mark, or CP949 in older releases.
namespace PostalFiles {
class Visitor {
  public:
    virtual ~Visitor() = default;
    // A text file begins: its name without folders and its header line, split
    // at '|'. False skips the file.
    virtual bool begin(const QString& name, const QStringList& header) = 0;
    // One line of the file, split at '|'. The views live until the next call.
    virtual void row(const QList<QStringView>& fields) = 0;
    // A file that is no text file (a notice document, say): only its name.
    virtual void other(const QString& name) = 0;
    // How far the reading is, in bytes of the files picked; false cancels.
    virtual bool progress(qint64 done, qint64 total) = 0;
};

// Reads every file; false when the visitor cancelled. A file that cannot be
// read, a damaged archive and text in neither encoding are a StoreError
// naming the file.
bool read(const QStringList& paths, Visitor& visitor);
} // namespace PostalFiles
