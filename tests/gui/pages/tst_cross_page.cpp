// Steps that reach across pages: a key's name on the keys page is its caption on the SMS-by-keys page.
#include "editor_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace orva;

class TestCrossPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyNameChangeReachesSmsByKeys();
};

void TestCrossPage::keyNameChangeReachesSmsByKeys()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    auto *alias = f.window->findChild<QLineEdit *>(QStringLiteral("E_Key_Name5"));
    auto *caption = f.window->findChild<QCheckBox *>(QStringLiteral("CheckBoxSMSK_05"));
    QVERIFY(alias && caption);
    const QString before = caption->text();
    alias->setText(QStringLiteral("Склад"));
    QVERIFY2(caption->text() != before && caption->text().contains(QStringLiteral("Склад")),
             qPrintable(caption->text()));
    auto *type = f.window->findChild<QComboBox *>(QStringLiteral("CB_Key_Type5"));
    QVERIFY(type);
    type->setFocus();
    QCOMPARE(type->currentIndex(), 0);
    QTest::keyClick(type, Qt::Key_Down); // the user picks the next type: duress ("!")
    QVERIFY2(caption->text().contains(QStringLiteral("!Склад")), qPrintable(caption->text()));
}

QTEST_MAIN(TestCrossPage)
#include "tst_cross_page.moc"
