#include "TestSupport.h"
#include "addressee/AddresseeWindow.h"
#include "store/AddressBook.h"
#include "ui/Fonts.h"

#include <QtTest>

using MessageBox::Answer;
using MessageBox::Buttons;
using MessageBox::Icon;
using TestSupport::click;

namespace {
const QString zipWarning =
    QStringLiteral("임의적으로 입,수정을 하시면 \n우편번호가 맞지 않는 경우가 생깁니다");
const QString cancelQuestion = QStringLiteral("해당작업을 취소합니까");
} // namespace

class InputChecksTest : public QObject, AddresseeWindowFixture {
    Q_OBJECT
  private:
    bool openWindow() {
        w = AddresseeWindow::open();
        if (!w)
            return false;
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }
    QList<QStringList> stored() {
        return TestSupport::query(folder->file("orvaneit.mdb"),
                                  "select seq, name, company from customer order by rowid");
    }
    void pressKey(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // "입력" and a name typed into the cleared boxes.
    void startAdding(const QString& name) {
        click(w->cmdCustomerAdd);
        TestSupport::type(w->txtCustomerName, name);
    }

  private slots:
    void initTestCase() { Fonts::install(); }
    void init() { setUpTest(); }
    void cleanup() { tearDownTest(); }

    void duplicateWarningListsEverySameName();
    void duplicateCheckOnlyWhileAddingIsPossible();
    void enterMovesToTheNextControl();
    void escapeDropsTheWorkInProgress();
    void escapeOnAnEmptyBook();
    void zipWarningsOnEveryClick();
};

void InputChecksTest::duplicateWarningListsEverySameName() {
    add("1", "가나다", "가나상사", "총무부");
    add("2", "가나", "다른회사", "");
    add("3", "가나다", "다라학교", "국어과");
    add("4", "가나다 ", "공백", "");
    add("5", "가나다", "", "");
    add("6", "", "이름없음", "영업부");
    add("7", "  ", "공백이름", "");
    QVERIFY(openWindow());
    answers->clear();

    startAdding("가나다");
    answers->answers << Answer::Cancel;
    pressKey(Qt::Key_Return);
    QCOMPARE(answers->messages.size(), 1);
    const MessageBox::Message m = answers->messages[0];
    QCOMPARE(m.title, QString("경고"));
    QCOMPARE(m.icon, Icon::Exclamation);
    QCOMPARE(m.buttons, Buttons::OkCancel);
    // In list order: by name, then company.
    QCOMPARE(m.text, QString("가나다    \r\n"
                             "가나다  가나상사  총무부\r\n"
                             "가나다  다라학교  국어과\r\n"
                             "\r\n\r\n"
                             "3개 가 중복 되어 있습니다\r\n\r\n"
                             "무시하시고 입력하시겠습니까?"));
    // Cancel: the name goes, the typing starts again in the name box.
    QCOMPARE(w->txtCustomerName->text(), QString());
    QCOMPARE(focus(), w->txtCustomerName);
    QCOMPARE(buttons(), QString("100001 저장 수정"));

    // OK: typing goes on in the e-mail box.
    TestSupport::type(w->txtCustomerName, "가나다");
    answers->answers << Answer::Ok;
    pressKey(Qt::Key_Return);
    QCOMPARE(answers->messages.size(), 2);
    QCOMPARE(w->txtCustomerName->text(), QString("가나다"));
    QCOMPARE(focus(), w->txtCustomerEmail);

    // A name no row has: nothing shown, on to the e-mail box.
    answers->clear();
    w->txtCustomerName->clear();
    TestSupport::type(w->txtCustomerName, "가나다라");
    pressKey(Qt::Key_Return);
    QCOMPARE(answers->messages.size(), 0);
    QCOMPARE(focus(), w->txtCustomerEmail);

    // An empty name box matches the nameless row; blanks match blanks.
    w->txtCustomerName->clear();
    w->txtCustomerName->setFocus();
    pressKey(Qt::Key_Return);
    QCOMPARE(answers->lastText(), QString(12, ' ') + "이름없음  영업부\r\n\r\n\r\n"
                                                     "1개 가 중복 되어 있습니다\r\n\r\n"
                                                     "무시하시고 입력하시겠습니까?");
    TestSupport::type(w->txtCustomerName, "  ");
    pressKey(Qt::Key_Return);
    QVERIFY(answers->lastText().startsWith(QString(12, ' ') + "공백이름  \r\n\r\n\r\n1개"));

    // A warning does not block the save.
    w->txtCustomerName->clear();
    TestSupport::type(w->txtCustomerName, "가나다");
    click(w->cmdCustomerAdd);
    QCOMPARE(stored().size(), 8);
    QCOMPARE(stored().last(), (QStringList{"8", "가나다", ""}));
}

void InputChecksTest::duplicateCheckOnlyWhileAddingIsPossible() {
    add("1", "가", "회사");
    add("2", "나");
    QVERIFY(openWindow());

    // Browse: the shown addressee warns about itself, from the name box and
    // from a press on the e-mail box.
    w->txtCustomerName->setFocus();
    answers->answers << Answer::Ok;
    pressKey(Qt::Key_Return);
    QCOMPARE(answers->messages.size(), 1);
    QVERIFY(answers->lastText().startsWith("가  회사  \r\n\r\n\r\n1개"));
    QCOMPARE(focus(), w->txtCustomerEmail);
    QTest::mouseClick(w->txtCustomerEmail, Qt::RightButton);
    QCOMPARE(answers->messages.size(), 2);

    // Adding: the e-mail box press checks the typed name; Cancel takes the
    // focus back to the name box.
    startAdding("나");
    answers->answers << Answer::Cancel;
    QTest::mouseClick(w->txtCustomerEmail, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 3);
    QVERIFY(answers->lastText().startsWith("나    \r\n"));
    QCOMPARE(w->txtCustomerName->text(), QString());
    QCOMPARE(focus(), w->txtCustomerName);
    TestSupport::type(w->txtCustomerName, "나");
    answers->answers << Answer::Ok;
    QTest::mouseClick(w->txtCustomerEmail, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 4);
    QCOMPARE(focus(), w->txtCustomerEmail);
    answers->answers << Answer::Yes;
    pressKey(Qt::Key_Escape);

    // Selected and Editing: no check at all.
    answers->clear();
    doubleClickGridRowWithSeq("1");
    QCOMPARE(buttons(), QString("011011 입력 수정"));
    w->txtCustomerName->setFocus();
    pressKey(Qt::Key_Return);
    QTest::mouseClick(w->txtCustomerEmail, Qt::LeftButton);
    click(w->cmdCustomerUpdate);
    QCOMPARE(buttons(), QString("010001 입력 확인"));
    w->txtCustomerName->setFocus();
    pressKey(Qt::Key_Return);
    QCOMPARE(focus(), w->txtCustomerEmail);
    QTest::mouseClick(w->txtCustomerEmail, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 0);
}

void InputChecksTest::enterMovesToTheNextControl() {
    add("1", "가");
    QVERIFY(openWindow());
    click(w->cmdCustomerAdd);
    const QList<QWidget*> order = {w->txtCustomerEmail,
                                   w->txtCustomerMobilePhone,
                                   w->txtCustomerCompany,
                                   w->txtCustomerDepartment,
                                   w->txtCustomerDepartPosition,
                                   w->txtCustomerHomeTelephone,
                                   w->txtCustomerCompanyTelephone,
                                   w->txtCustomerExtentionNumber,
                                   w->txtCustomerFacsimile,
                                   w->cmdSearchZipcode};
    w->txtCustomerEmail->setFocus();
    for (int i = 1; i < order.size(); ++i) {
        pressKey(Qt::Key_Return);
        QCOMPARE(focus(), order[i]);
    }
    // The keypad's Enter does the same.
    w->txtCustomerMobilePhone->setFocus();
    pressKey(Qt::Key_Enter);
    QCOMPARE(focus(), w->txtCustomerCompany);

    // The remark box gets its new line and the focus moves on.
    TestSupport::type(w->txtCustomerRemark, "첫 줄");
    pressKey(Qt::Key_Return);
    QCOMPARE(focus(), w->cmdCustomerAdd);
    TestSupport::type(w->txtCustomerRemark, "둘째 줄");
    QCOMPARE(w->txtCustomerRemark->toPlainText(), QString("첫 줄\n둘째 줄"));

    // Enter on a button moves on without pressing it.
    w->cmdCustomerAdd->setFocus();
    pressKey(Qt::Key_Return);
    QCOMPARE(focus(), w->txtCustomerZipcode);
    QCOMPARE(w->cmdCustomerAdd->text(), QString("저장"));
    QCOMPARE(stored().size(), 1);
    QCOMPARE(answers->messages.size(), 0);
}

void InputChecksTest::escapeDropsTheWorkInProgress() {
    add("1", "나", "", "");
    add("2", "가", "", "");
    QVERIFY(openWindow());

    // Adding: No keeps the typing, Yes drops it and shows the first addressee.
    startAdding("반쯤");
    TestSupport::type(w->txtCustomerCompany, "회사");
    answers->answers << Answer::No;
    pressKey(Qt::Key_Escape);
    QCOMPARE(answers->messages.size(), 1);
    QCOMPARE(answers->lastText(), cancelQuestion);
    QCOMPARE(answers->messages.last().icon, Icon::Exclamation);
    QCOMPARE(answers->messages.last().buttons, Buttons::YesNo);
    QCOMPARE(w->txtCustomerName->text(), QString("반쯤"));
    QCOMPARE(buttons(), QString("100001 저장 수정"));

    answers->answers << Answer::Yes;
    pressKey(Qt::Key_Escape);
    QCOMPARE(answers->messages.size(), 2);
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    QCOMPARE(w->txtCustomerCompany->text(), QString());
    QCOMPARE(w->stbPanels[0]->text(), QString("record : 1 / 2"));
    QCOMPARE(focus(), w->txtCustomerName);
    // The zip code button keeps its state.
    QCOMPARE(buttons(), QString("100111 입력 수정"));
    QCOMPARE(stored(), (QList<QStringList>{{"1", "나", ""}, {"2", "가", ""}}));

    // Editing: the change is dropped; "수정" acts on the first addressee again.
    doubleClickGridRowWithSeq("1");
    click(w->cmdCustomerUpdate);
    TestSupport::type(w->txtCustomerCompany, "바뀜");
    answers->answers << Answer::No;
    pressKey(Qt::Key_Escape);
    QCOMPARE(w->txtCustomerCompany->text(), QString("바뀜"));
    QCOMPARE(buttons(), QString("010001 입력 확인"));
    answers->answers << Answer::Yes;
    pressKey(Qt::Key_Escape);
    QCOMPARE(w->txtCustomerName->text(), QString("가"));
    QCOMPARE(w->txtCustomerCompany->text(), QString());
    QCOMPARE(buttons(), QString("100111 입력 수정"));
    QCOMPARE(stored(), (QList<QStringList>{{"1", "나", ""}, {"2", "가", ""}}));
    QCOMPARE(w->shownSeq(), QString("2"));

    // The Escape goes to the window from any control, the grid included.
    w->grdDataList->setFocus();
    answers->answers << Answer::No;
    pressKey(Qt::Key_Escape);
    QCOMPARE(answers->lastText(), cancelQuestion);
    QCOMPARE(answers->messages.size(), 5);
}

void InputChecksTest::escapeOnAnEmptyBook() {
    QVERIFY(openWindow());
    answers->clear();
    startAdding("반쯤");
    TestSupport::type(w->txtCustomerAddress2, "주소");
    answers->answers << Answer::Yes;
    pressKey(Qt::Key_Escape);
    QCOMPARE(answers->messages.size(), 2);
    QCOMPARE(answers->messages[0].text, cancelQuestion);
    QCOMPARE(answers->messages[1].text,
             QString("아직 입력된 데이타가 없거나\n모든 데이타가 삭제되었습니다"));
    QCOMPARE(w->txtCustomerName->text(), QString());
    QCOMPARE(w->txtCustomerAddress2->text(), QString());
    QCOMPARE(buttons(), QString("100111 입력 수정"));
    QCOMPARE(stored().size(), 0);
    // The window goes on working: the next addressee is stored as the first.
    startAdding("가");
    click(w->cmdCustomerAdd);
    QCOMPARE(stored(), (QList<QStringList>{{"1", "가", ""}}));
}

void InputChecksTest::zipWarningsOnEveryClick() {
    add("1", "가");
    QVERIFY(openWindow());
    answers->clear();
    for (QLineEdit* box : {w->txtCustomerZipcode, w->txtCustomerAddress1}) {
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(answers->lastText(), zipWarning);
            QCOMPARE(answers->messages.last().icon, Icon::Exclamation);
            QCOMPARE(answers->messages.last().buttons, Buttons::Ok);
            QCOMPARE(focus(), box);
        }
    }
    QCOMPARE(answers->messages.size(), 4);
    // After OK the box may be typed into.
    TestSupport::type(w->txtCustomerZipcode, "123-456");
    QCOMPARE(w->txtCustomerZipcode->text(), QString("123-456"));

    // Tabbing in, the second address box and a double-click's second press
    // give no further warning; every state warns.
    answers->clear();
    w->cmdCustomerAdd->setFocus();
    pressKey(Qt::Key_Tab);
    QCOMPARE(focus(), w->txtCustomerZipcode);
    pressKey(Qt::Key_Tab);
    QCOMPARE(focus(), w->txtCustomerAddress1);
    QTest::mouseClick(w->txtCustomerAddress2, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 0);
    QTest::mouseClick(w->txtCustomerAddress1, Qt::LeftButton);
    QTest::mouseDClick(w->txtCustomerAddress1, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 1);
    click(w->cmdCustomerAdd);
    QTest::mouseClick(w->txtCustomerZipcode, Qt::LeftButton);
    QCOMPARE(answers->messages.size(), 2);
    QCOMPARE(answers->lastText(), zipWarning);
}

QTEST_MAIN(InputChecksTest)
#include "tst_inputchecks.moc"
