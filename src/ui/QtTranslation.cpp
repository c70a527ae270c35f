#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <utility>

namespace {
// Qt's Korean translation has no words for the kinds of entry its file
// dialog lists (they moved to a class of their own in Qt 6): the folders
// would read "Folder". These few are supplied here.
class EntryKinds : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const std::pair<const char*, const char*> words[] = {
            {"Folder", "폴더"},     {"Drive", "드라이브"},     {"File", "파일"},
            {"%1 File", "%1 파일"}, {"Shortcut", "바로 가기"}, {"Unknown", "알 수 없음"}};
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0) {
            for (const auto& [english, korean] : words) {
                if (qstrcmp(source, english) == 0)
                    return QString::fromUtf8(korean);
            }
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};
} // namespace

bool QtTranslation::install() {
    static QTranslator translator;
    if (!translator.isEmpty())
        return true;
    if (!translator.load(QStringLiteral("qtbase_ko"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    static EntryKinds entryKinds;
    QCoreApplication::installTranslator(&entryKinds);
    return QCoreApplication::installTranslator(&translator);
}
