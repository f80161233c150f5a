// The check protocol of the main window: one error box per failing rule; "по-умолчанию" writes the
// default and goes on with the next rule; "Исправить" brings the rule's page, row and control; a closed
// box changes nothing. First on rules of the test's own (to see every move), then on the core's rules.
#include "editor_fixture.h"

#include "frame/check_rules.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <functional>

using namespace orva;

namespace {

struct FakeRule
{
    RuleFailure failure;
    std::function<bool(const T_Command_DEVICE &)> passes;
    std::function<void(T_Command_DEVICE &)> writeDefault; // empty: no default
};

class FakeRules : public CheckRules
{
public:
    explicit FakeRules(QList<FakeRule> rules) : m_rules(std::move(rules)) {}

    std::optional<RuleFailure> FirstFailure(const T_Command_DEVICE &model, ChainPosition from) const override
    {
        for (int i = from.index; i < m_rules.size(); ++i) {
            if (!m_rules[i].passes(model)) {
                RuleFailure failure = m_rules[i].failure;
                failure.position = ChainPosition{i};
                return failure;
            }
        }
        return std::nullopt;
    }

    ChainPosition CheckStart(CheckId check) const override
    {
        for (int i = 0; i < m_rules.size(); ++i) {
            if (m_rules[i].failure.checkId == check)
                return ChainPosition{i};
        }
        return ChainPosition{int(m_rules.size())};
    }

    bool ApplyDefault(T_Command_DEVICE &model, const RuleFailure &failure,
                      const DefaultOptions &) const override
    {
        const FakeRule &rule = m_rules[failure.position.index];
        if (!rule.writeDefault)
            return false;
        rule.writeDefault(model);
        ++applied;
        return true;
    }

    mutable int applied = 0;

private:
    QList<FakeRule> m_rules;
};

RuleFailure Failure(CheckId check, const char *page, const char *headline, bool withDefault,
                    const char *focus, const char *list = "", int row = -1)
{
    RuleFailure f;
    f.checkId = check;
    f.page = QString::fromLatin1(page);
    f.headline = QString::fromUtf8(headline);
    f.hint = QStringLiteral("hint of ") + f.headline;
    f.defaultOffered = withDefault;
    f.focusControl = QString::fromLatin1(focus);
    f.listControl = QString::fromLatin1(list);
    f.listRow = row;
    return f;
}

qint32 Balance(const T_Command_DEVICE &m)
{
    return m.record(Cmd::cb, 1).value(1);
}

// Three rules: a balance period with a default (page "Общие"), the alarm repeats without a default and
// with a list row (page "Шлейфы"), a threshold with a default (page "GPRS").
std::unique_ptr<FakeRules> ThreeRules()
{
    QList<FakeRule> rules;
    rules.append({Failure(CheckId::Common, "TabCommon", "период", true, "E_Test_Period"),
                  [](const T_Command_DEVICE &m) { return Balance(m) <= 48; },
                  [](T_Command_DEVICE &m) { m.record(Cmd::cb, 1).setValue(1, 0); }});
    rules.append(
        {Failure(CheckId::Shleifs, "TabShleifs", "повторы", false, "E_Test_Repeats", "L_Test_Loops", 2),
         [](const T_Command_DEVICE &m) { return m.record(Cmd::lc).value(1) <= 9; },
         {}});
    rules.append({Failure(CheckId::GPRS, "TabGPRS", "порог", true, "E_Test_Threshold"),
                  [](const T_Command_DEVICE &m) { return m.record(Cmd::ct, 1).value(1) >= 1; },
                  [](T_Command_DEVICE &m) { m.record(Cmd::ct, 1).setValue(1, 10); }});
    return std::make_unique<FakeRules>(std::move(rules));
}

struct ProtocolFixture : EditorFixture
{
    ProtocolFixture()
    {
        auto rules = ThreeRules();
        fake = rules.get();
        window->SetCheckRules(std::move(rules));
        period = Field("TabCommon", "E_Test_Period");
        repeats = Field("TabShleifs", "E_Test_Repeats");
        threshold = Field("TabGPRS", "E_Test_Threshold");
        other = Field("TabMode", "E_Test_Other");
        loops = new QListWidget(window->PagesParam()->findChild<QWidget *>(QStringLiteral("TabShleifs")));
        loops->setObjectName(QStringLiteral("L_Test_Loops"));
        loops->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
        loops->setGeometry(10, 100, 100, 100);
    }

    QLineEdit *Field(const char *page, const char *name)
    {
        QWidget *tab = window->PagesParam()->findChild<QWidget *>(QString::fromLatin1(page));
        auto *edit = new QLineEdit(tab);
        edit->setObjectName(QString::fromLatin1(name));
        edit->move(10, 60);
        return edit;
    }

    // Shows the window with the user on the page "Режимы", in its field, then clears the script.
    bool Start()
    {
        if (!ShowActive())
            return false;
        window->PagesParam()->setCurrentWidget(other->parentWidget());
        other->setFocus(Qt::TabFocusReason);
        // The first showing reset the model; the failures are made after it.
        working.record(Cmd::cb, 1).setValue(1, 49);
        working.record(Cmd::lc).setValue(1, 12);
        working.record(Cmd::ct, 1).setValue(1, 0);
        return QApplication::focusWidget() == other;
    }

    FakeRules *fake = nullptr;
    QLineEdit *period = nullptr;
    QLineEdit *repeats = nullptr;
    QLineEdit *threshold = nullptr;
    QLineEdit *other = nullptr;
    QListWidget *loops = nullptr;
};

} // namespace

class CheckProtocolTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultThenNextRule();
    void fixGoesToThePageRowAndControl();
    void fixOnAFieldWithoutAList();
    void closedBoxChangesNothing();
    void severalDefaultsInOneCheck();
    void allPassAsksNothing();
    void singleCheckStopsAtItsEnd();
    void coreRules_emptyKeyStopsAtTheCommonCheck();
    void coreRules_defaultGoesOn();
};

void CheckProtocolTest::defaultThenNextRule()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    f.questions->Then(ModalResult::Ok).Then(ModalResult::Cancel);
    QVERIFY(!f.window->Check_All(false));

    QCOMPARE(f.questions->asked().size(), 2);
    const Question &first = f.questions->asked().at(0);
    QCOMPARE(first.kind, QuestionKind::ErrorBox);
    QCOMPARE(first.headline, QStringLiteral("период"));
    QCOMPARE(first.hint, QStringLiteral("hint of период"));
    QVERIFY(first.offerDefault);
    QVERIFY(first.fix);
    QVERIFY(!first.cont);
    QCOMPARE(Balance(f.working), 0);
    // The next rule offers only "Исправить".
    const Question &second = f.questions->asked().at(1);
    QCOMPARE(second.headline, QStringLiteral("повторы"));
    QVERIFY(second.fix);
    QVERIFY(!second.offerDefault);
    QVERIFY(!second.cont);
}

void CheckProtocolTest::fixGoesToThePageRowAndControl()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    f.questions->Then(ModalResult::Ok).Then(ModalResult::Retry);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabShleifs"));
    QCOMPARE(f.loops->currentRow(), 2);
    QCOMPARE(QApplication::focusWidget(), f.repeats);
    // The failing value stays for the user to fix.
    QCOMPARE(f.working.record(Cmd::lc).value(1), 12);
    QCOMPARE(f.fake->applied, 1);
}

void CheckProtocolTest::fixOnAFieldWithoutAList()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    f.questions->Then(ModalResult::Retry);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabCommon"));
    QCOMPARE(QApplication::focusWidget(), f.period);
    QCOMPARE(Balance(f.working), 49);
}

void CheckProtocolTest::closedBoxChangesNothing()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    T_Command_DEVICE before;
    before = f.working;
    f.questions->Then(ModalResult::Cancel);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabMode"));
    QCOMPARE(QApplication::focusWidget(), f.other);
    QVERIFY(SameModel(f.working, before));
    QCOMPARE(f.fake->applied, 0);
}

void CheckProtocolTest::severalDefaultsInOneCheck()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    f.working.record(Cmd::lc).setValue(1, 3);
    f.questions->Then(ModalResult::Ok).Then(ModalResult::Ok);
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 2);
    QCOMPARE(Balance(f.working), 0);
    QCOMPARE(f.working.record(Cmd::ct, 1).value(1), 10);
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabMode"));
}

void CheckProtocolTest::allPassAsksNothing()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    f.working.ResetToDefaults();
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 0);
}

void CheckProtocolTest::singleCheckStopsAtItsEnd()
{
    ProtocolFixture f;
    QVERIFY(f.Start());
    // The loops check alone: its rule fails, the GPRS rule after it is not its business.
    f.working.record(Cmd::lc).setValue(1, 3);
    QVERIFY(f.window->RunCheck(CheckId::Shleifs));
    QCOMPARE(f.questions->asked().size(), 0);
    f.questions->Then(ModalResult::Ok);
    QVERIFY(f.window->RunCheck(CheckId::GPRS));
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(Balance(f.working), 49);
}

void CheckProtocolTest::coreRules_emptyKeyStopsAtTheCommonCheck()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.window->PagesParam()->setCurrentIndex(3);
    f.questions->Then(ModalResult::Retry);
    QVERIFY(!f.window->Check_All(false));
    // The factory configuration has no file key; every other check passes.
    QCOMPARE(f.questions->asked().size(), 1);
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Не задан ключ шифрования файла конфигурации"));
    QVERIFY(!f.questions->asked().at(0).offerDefault);
    QCOMPARE(f.window->PagesParam()->currentWidget()->objectName(), QStringLiteral("TabCommon"));
}

void CheckProtocolTest::coreRules_defaultGoesOn()
{
    EditorFixture f;
    QVERIFY(f.ShowActive());
    f.working.record(Cmd::cb, 1).setValue(1, 49);
    f.working.record(Cmd::cb, 1).setText(2, QStringLiteral("*100#"));
    f.questions->Then(ModalResult::Ok).Then(ModalResult::Cancel);
    QVERIFY(!f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 2);
    QCOMPARE(f.questions->asked().at(0).headline,
             QStringLiteral("Недопустимая величина периода проверки баланса"));
    QVERIFY(f.questions->asked().at(0).offerDefault);
    QCOMPARE(Balance(f.working), 0);
    QCOMPARE(f.questions->asked().at(1).headline,
             QStringLiteral("Не задан ключ шифрования файла конфигурации"));

    // With a key and a valid period everything passes.
    f.questions->clear();
    f.working.record(Cmd::ks, 1).setText(1, QStringLiteral("ключ"));
    QVERIFY(f.window->Check_All(false));
    QCOMPARE(f.questions->asked().size(), 0);
}

QTEST_MAIN(CheckProtocolTest)
#include "tst_check_protocol.moc"
