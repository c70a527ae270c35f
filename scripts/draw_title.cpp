// Draws the start screen's title picture, data/title.jpg (720 x 440).
// Build the target draw_title and run it with the output path.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QImage image(720, 440, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 440);
    sky.setColorAt(0, QColor("#f4efe4"));
    sky.setColorAt(1, QColor("#c9d8e8"));
    p.fillRect(image.rect(), sky);

    // An envelope with a stamp.
    const QRect envelope(190, 140, 340, 190);
    p.setPen(QPen(QColor("#7a8ca0"), 3));
    p.setBrush(Qt::white);
    p.drawRect(envelope);
    p.drawLine(envelope.topLeft(), envelope.center());
    p.drawLine(envelope.topRight(), envelope.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#c0392b"));
    p.drawRect(460, 155, 50, 60);

    p.setPen(QColor("#2c3e50"));
    p.setFont(QFont("NanumGothic", 40, QFont::Bold));
    p.drawText(QRect(0, 30, 720, 90), Qt::AlignCenter, "Orvane-It");
    p.setFont(QFont("NanumGothic", 20));
    p.drawText(QRect(0, 345, 720, 60), Qt::AlignCenter, QString::fromUtf8("주소록과 봉투 인쇄"));
    p.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 90) ? 0 : 1;
}
