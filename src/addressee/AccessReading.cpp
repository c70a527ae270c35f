#include "AccessReading.h"

#include "store/AccessBook.h"
#include "store/StoreError.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QProgressDialog>

std::optional<AccessFile::Contents> AccessReading::read(QWidget* parent, const QString& path,
                                                        const QString& codePage) {
    QProgressDialog waiting(QStringLiteral("Access 파일을 읽고 있습니다..."),
                            QStringLiteral("취소"), 0, 0, parent);
    waiting.setWindowTitle(QStringLiteral("Access 주소록 가져오기"));
    waiting.setWindowModality(Qt::WindowModal);
    waiting.setMinimumDuration(500);
    try {
        return AccessFile::read(path, codePage, [&] {
            waiting.setValue(0);
            return !waiting.wasCanceled();
        });
    } catch (const StoreError& e) {
        MessageBox::show(parent, e.message(), MessageBox::Icon::Stop);
        return std::nullopt;
    }
}

bool AccessReading::offerConversion(QWidget* parent, const QString& bookPath) {
    if (!AccessFile::isAccessFile(bookPath))
        return true;
    const QString shown = QDir::toNativeSeparators(bookPath);
    if (MessageBox::show(parent,
                         QStringLiteral("%1 파일은 Access 주소록입니다.\n이 프로그램의 주소록으로 "
                                        "바꿉니까?\n원래 파일은 옆에 orvaneit-access-원본.mdb "
                                        "로 남겨 둡니다")
                             .arg(shown),
                         MessageBox::Icon::Question,
                         MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes) {
        MessageBox::show(
            parent,
            QStringLiteral("주소록을 바꾸지 않았습니다. %1 파일은 그대로 있습니다").arg(shown),
            MessageBox::Icon::Information);
        return false;
    }
    const std::optional<AccessFile::Contents> contents = read(parent, bookPath);
    if (!contents)
        return false;
    try {
        const QString kept = AccessBook::convert(bookPath, *contents);
        MessageBox::show(parent,
                         QStringLiteral("Access 주소록을 이 프로그램의 주소록으로 바꿨습니다.\n"
                                        "원래 파일은 %1 에 있습니다")
                             .arg(QDir::toNativeSeparators(kept)),
                         MessageBox::Icon::Information);
    } catch (const StoreError& e) {
        MessageBox::show(parent, e.message(), MessageBox::Icon::Stop);
        return false;
    }
    return true;
}
