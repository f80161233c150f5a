// The rules of the page checks: pass and fail side of each rule, the default it writes and where its
// "Исправить" leads.
#include "model_edits.h"
#include "validation/validation.h"

#include <QTest>

using namespace orva;
using orva::test::ModelHas;
using orva::test::ModelWith;

namespace {

using Edits = std::initializer_list<const char *>;

QStringList toList(Edits edits)
{
    QStringList list;
    for (const char *edit : edits)
        list.append(QString::fromUtf8(edit));
    return list;
}

} // namespace

class ValidationRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factoryModelWithKeyPasses();
    void rules_data();
    void rules();
};

void ValidationRulesTest::factoryModelWithKeyPasses()
{
    bool ok = false;
    const T_Command_DEVICE model = ModelWith({}, &ok);
    QVERIFY(ok);
    QVERIFY(!FirstFailure(model).has_value());
    QVERIFY(AllFailures(model).isEmpty());
}

void ValidationRulesTest::rules_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("check"); // empty: every rule passes
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("afterDefault"); // what the default writes; empty: no default offered
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");

    const QString none;
    auto pass = [&](const char *name, Edits edits) {
        QTest::newRow(name) << toList(edits) << none << 0 << none << none << none << -1;
    };
    auto fail = [&](const char *name, Edits edits, const char *check, int rule, const char *afterDefault,
                    const char *focus, const char *list = "", int row = -1) {
        QTest::newRow(name) << toList(edits) << QString::fromUtf8(check) << rule
                            << QString::fromUtf8(afterDefault) << QString::fromUtf8(focus)
                            << QString::fromUtf8(list) << row;
    };

    // Check_RezervAndSignal
    pass("duty off (0)", {"om.v1=0"});
    pass("duty below 1 counts as off", {"om.v1=-1"});
    pass("duty 48", {"om.v1=48"});
    fail("duty 49", {"om.v1=49"}, "Check_RezervAndSignal", 1, "om.v1=24", "E_Indic_DutyDelay");
    pass("indicator 1", {"el.v1=1"});
    pass("indicator 999", {"el.v1=999"});
    fail("indicator emptied (0)", {"el.v1=0"}, "Check_RezervAndSignal", 2, "el.v1=90", "E_Indic_ExtIndic");
    fail("indicator 1000", {"el.v1=1000"}, "Check_RezervAndSignal", 2, "el.v1=90", "E_Indic_ExtIndic");

    // Check_Mode
    pass("attempts 1", {"ca.v1=1"});
    pass("attempts 20", {"ca.v1=20"});
    fail("attempts emptied (0)", {"ca.v1=0"}, "Check_Mode", 1, "ca.v1=3", "E_Mode_SIM_CountConect");
    fail("attempts 21", {"ca.v1=21"}, "Check_Mode", 1, "ca.v1=3", "E_Mode_SIM_CountConect");
    pass("symmetric SIM mode ignores the return delay", {"cm.v1=1", "cm.v2=0"});
    pass("reserve mode, delay 120", {"cm.v1=2", "cm.v2=120"});
    fail("reserve mode, delay emptied (0)", {"cm.v1=2", "cm.v2=0"}, "Check_Mode", 2, "cm.v2=15",
         "E_Mode_SIMDelay");
    fail("reserve mode, delay 121", {"cm.v1=2", "cm.v2=121"}, "Check_Mode", 2, "cm.v2=15", "E_Mode_SIMDelay");
    pass("exit delay 180", {"xo.v1=180"});
    fail("exit delay 500", {"xo.v1=500"}, "Check_Mode", 3, "xo.v1=90", "E_Mode_ExitDelay");
    fail("exit delay emptied (0)", {"xo.v1=0"}, "Check_Mode", 3, "xo.v1=90", "E_Mode_ExitDelay");

    // Check_Shleifs: delay rules (1..4)
    pass("loop without delay mode, delay 0", {"lm1.v1=2", "lm1.v2=0"});
    pass("fixed delay 180", {"lm1.v1=16", "lm1.v2=180"});
    fail("loop 2 delay emptied", {"lm2.v1=1", "lm2.v2=0"}, "Check_Shleifs", 2, "lm2.v2=90", "E_Shleif_Delay",
         "L_Shleif_Shleifs", 1);
    fail("loop 3 fixed delay 181", {"lm3.v1=16", "lm3.v2=181"}, "Check_Shleifs", 3, "lm3.v2=90",
         "E_Shleif_Delay", "L_Shleif_Shleifs", 2);
    // control-loop rules (5..8): all loops share zone 1 by default
    fail("two control loops fail at the first", {"ua*.t1=*", "lm1.v1=15", "lm3.v1=15"}, "Check_Shleifs", 5,
         "", "L_Shleif_Shleifs", "L_Shleif_Shleifs", 0);
    pass("two control loops in different zones",
         {"ua*.t1=*", "lm1.v1=15", "lm3.v1=15", "zn1.items=1,2,4", "zn2.items=3"});
    fail("two control loops in no zone share it", {"ua*.t1=*", "lm2.v1=15", "lm4.v1=15", "zn1.items=1,3"},
         "Check_Shleifs", 6, "", "L_Shleif_Shleifs", "L_Shleif_Shleifs", 1);
    // control-key rules (9..12), the key and control-loop rule
    fail("control loop with the default keys", {"lm2.v1=15"}, "Check_Shleifs", 10, "", "L_Shleif_Shleifs",
         "L_Shleif_Shleifs", 1);
    pass("control loop with patrol keys only", {"ua*.t1=*", "lm2.v1=15"});
    fail("control loop and one duress key", {"ua*.t1=*", "lm2.v1=15", "ua7.t1=!Boss"}, "Check_Shleifs", 10,
         "", "L_Shleif_Shleifs", "L_Shleif_Shleifs", 1);
    pass("control loop, plain key in another zone", {"ua*.t1=*", "lm2.v1=15", "ua7.t1=Gate", "uz7.items=2"});
    pass("unused keys count: all patrol but an unused one in zone 2",
         {"ua*.t1=*", "lm4.v1=15", "ua15.t1=", "uz15.items=2"});
    fail("control loop in no zone, plain key with an empty slot",
         {"ua*.t1=*", "lm2.v1=15", "zn1.items=1,3,4", "ua4.t1=Gate"}, "Check_Shleifs", 10, "",
         "L_Shleif_Shleifs", "L_Shleif_Shleifs", 1);
    pass("control loop in no zone, plain key without an empty slot",
         {"ua*.t1=*", "lm2.v1=15", "zn1.items=1,3,4", "ua4.t1=Gate", "uz4.items=1,2,3,4,1"});

    // Check_Rele
    pass("SMS relay skips its time", {"rm3.v1=0", "rm3.v2=0"});
    pass("relay time 999", {"rm1.v2=999"});
    fail("lamp relay time emptied", {"rm3.v1=3", "rm3.v2=0"}, "Check_Rele", 3, "rm3.v2=90", "E_Rele_Delay",
         "L_Rele_Reles", 2);
    fail("lock relay time 1000", {"rm4.v1=10", "rm4.v2=1000"}, "Check_Rele", 4, "rm4.v2=90", "E_Rele_Delay",
         "L_Rele_Reles", 3);

    // Check_SMS
    pass("unused SMS phone without number", {"sn4.v1=0"});
    pass("SMS phone with number", {"sn4.v1=2", "sn4.t2=+79001234567"});
    fail("SMS phone 4 without number", {"sn4.v1=2"}, "Check_SMS", 4, "", "EditSMSPhoneNumber",
         "ListSMSPhones", 3);

    // Check_SMSK
    pass("number without keys", {"su9.t2=+79001234567"});
    fail("phone 9 with keys, no number", {"su9.items=3,7"}, "Check_SMSK", 9, "", "EditSMSK_PhoneNumber",
         "ListSMSK_Phones", 8);
    fail("key in the last slot only", {"su2.items=0,0,0,0,5"}, "Check_SMSK", 2, "", "EditSMSK_PhoneNumber",
         "ListSMSK_Phones", 1);

    // Check_DialGSM
    pass("connected phones only", {"dn1.v1=2", "dn1.t2=1"});
    fail("connected phone 5 without number, third in its list",
         {"dn1.v1=1", "dn1.t2=1", "dn3.v1=2", "dn3.t2=3", "dn5.v1=4"}, "Check_DialGSM", 5, "",
         "ListGSM_Connect", "ListGSM_Connect", 2);
    fail("dial phone 2 without number, second in its list",
         {"dn1.v1=5", "dn1.t2=1", "dn2.v1=7", "dn3.v1=6", "dn3.t2=3", "dn4.v1=1", "dn4.t2=4"},
         "Check_DialGSM", 2, "", "ListGSM_Dial", "ListGSM_Dial", 1);
    pass("a full set of dial phones",
         {"dn1.v1=5", "dn1.t2=1", "dn2.v1=7", "dn2.t2=2", "dn3.v1=6", "dn3.t2=3", "dn4.v1=3", "dn4.t2=4"});
    fail("one of each dial mode and no connected phone",
         {"dn1.v1=5", "dn1.t2=1", "dn2.v1=6", "dn2.t2=2", "dn3.v1=7", "dn3.t2=3"}, "Check_DialGSM", 10, "",
         "ListGSM_Dial", "ListGSM_Dial", 0);
    fail("no arming phone", {"dn1.v1=7", "dn1.t2=1", "dn2.v1=6", "dn2.t2=2", "dn3.v1=1", "dn3.t2=3"},
         "Check_DialGSM", 10, "", "ListGSM_Dial", "ListGSM_Dial", 0);

    // Check_GPRS
    pass("GPRS off ignores the timing", {"sm.v1=0", "gd.v1=0", "gd.v2=0", "gt.v1=0", "gt.v2=0"});
    fail("duty 1 at 0", {"sm.v1=1", "gd.v1=0"}, "Check_GPRS", 1, "gd.v1=15", "E_GPRS_Duty1");
    fail("duty 2 at 901", {"sm.v1=1", "gd.v2=901"}, "Check_GPRS", 2, "gd.v2=30", "E_GPRS_Duty2");
    fail("answer wait 4", {"sm.v1=3", "gt.v1=4"}, "Check_GPRS", 3, "gt.v1=5", "E_GPRS_Answer");
    fail("unanswered 101", {"sm.v1=1", "gt.v2=101"}, "Check_GPRS", 4, "gt.v2=2", "E_GPRS_NoAnswer");
    pass("timing at the bounds", {"sm.v1=1", "gd.v1=10", "gd.v2=900", "gt.v1=60", "gt.v2=1"});
    pass("address 255 in every group (stored with commas)", {"gs2.t1=255,255,255,255"});
    pass("address as read (points)", {"gs2.t1=010.000.000.001"});
    fail("address group 300", {"gs2.t1=192.168.300.001"}, "Check_GPRS", 6, "gs2.t1=000,000,000,000",
         "E_GPRS_Server2");
    fail("address group 256 on server 6", {"gs6.t1=256,000,000,000"}, "Check_GPRS", 10,
         "gs6.t1=000,000,000,000", "E_GPRS_Server6");
    fail("address with GPRS off", {"sm.v1=0", "gs3.t1=300,001,001,001"}, "Check_GPRS", 7,
         "gs3.t1=000,000,000,000", "E_GPRS_Server3");
    fail("port 0 with GPRS off", {"sm.v1=0", "gs5.v2=0"}, "Check_GPRS", 15, "gs5.v2=10001", "E_GPRS_Port5");
    fail("port 10000", {"gs1.v2=10000"}, "Check_GPRS", 11, "gs1.v2=10001", "E_GPRS_Port1");
    fail("port 65536", {"gs6.v2=65536"}, "Check_GPRS", 16, "gs6.v2=10001", "E_GPRS_Port6");
    pass("ports at the bounds", {"gs1.v2=10001", "gs2.v2=65535"});

    // Check_Common
    pass("period 0 without request code", {"cb1.v1=0", "cb1.t2="});
    fail("period 1 without request code", {"cb1.v1=1"}, "Check_Common", 3, "", "E_Common_BalancePhone1");
    fail("SIM 2 period 5 without request code", {"cb2.v1=5"}, "Check_Common", 4, "",
         "E_Common_BalancePhone2");
    pass("period 48 with request code", {"cb1.v1=48", "cb1.t2=*100#"});
    fail("period 49", {"cb1.v1=49", "cb1.t2=*100#"}, "Check_Common", 1, "cb1.v1=0", "E_Common_BalanceDelay1");
    fail("SIM 2 period 49", {"cb2.v1=49", "cb2.t2=*100#"}, "Check_Common", 2, "cb2.v1=0",
         "E_Common_BalanceDelay2");
    fail("threshold emptied (0)", {"ct1.v1=0"}, "Check_Common", 5, "ct1.v1=10", "E_Common_BalanceVal1");
    fail("SIM 2 threshold 256", {"ct2.v1=256"}, "Check_Common", 6, "ct2.v1=10", "E_Common_BalanceVal2");
    pass("threshold 255, old key empty", {"ct1.v1=255", "ks2.t1="});
    fail("no file key", {"ks1.t1="}, "Check_Common", 7, "", "E_Common_KEY");

    // Check_ReadBack: texts that would not read back unchanged
    // With GPRS on the user corrects a GPRS text; with GPRS off its field cannot be entered, and the
    // rule offers the field's empty default.
    fail("GPRS password with a point", {"sm.v1=1", "gp1.t1=ab.cd"}, "Check_ReadBack", 62, "",
         "E_GPRS_Password1");
    fail("SIM 2 GPRS password with a blank", {"sm.v1=1", "gp2.t1=ab cd"}, "Check_ReadBack", 65, "",
         "E_GPRS_Password2");
    fail("login with a tab, GPRS off", {"sm.v1=0", "gl1.t1=user\tname"}, "Check_ReadBack", 61,
         "gl1.t1=", "E_GPRS_Login1");
    fail("SIM 2 APN with a semicolon, GPRS off", {"ga2.t1=a;b"}, "Check_ReadBack", 63,
         "ga2.t1=", "E_GPRS_APN2");
    fail("SIM 2 password with a blank, GPRS off", {"gp2.t1=ab cd"}, "Check_ReadBack", 65,
         "gp2.t1=", "E_GPRS_Password2");
    pass("APN stored with commas", {"ga1.t1=internet,mts,ru"});
    fail("loop alias with a blank", {"la3.t1=Вход 2"}, "Check_ReadBack", 10, "", "E_Shleif_Name",
         "L_Shleif_Shleifs", 2);
    fail("key alias with a semicolon", {"ua5.t1=a;b"}, "Check_ReadBack", 16, "", "E_Key_Name5");
    fail("device name with a dollar", {"oa.t1=Sklad$5"}, "Check_ReadBack", 27, "", "E_SMS_Name");
    fail("password with a line break", {"!!.t1=ab\ncd"}, "Check_ReadBack", 3, "", "E_Common_Password");
    fail("balance request code with a tab", {"cb2.v1=1", "cb2.t2=*100\t#"}, "Check_ReadBack", 7, "",
         "E_Common_BalancePhone2");
    fail("SMS number with a point", {"sn1.v1=1", "sn1.t2=+7.900"}, "Check_ReadBack", 28, "",
         "EditSMSPhoneNumber", "ListSMSPhones", 0);
    fail("SMS-K number with a blank", {"su4.items=1", "su4.t2=+7 900"}, "Check_ReadBack", 40, "",
         "EditSMSK_PhoneNumber", "ListSMSK_Phones", 3);
    fail("used dial phone's number with a blank", {"dn2.v1=1", "dn2.t2=+7 900"}, "Check_ReadBack", 47, "",
         "EditGSM_PhoneNumber", "ListGSM_Connect", 0);
    pass("free dial phone's number is not read back", {"dn2.v1=0", "dn2.t2=1.2"});
    pass("file key with single blanks", {"ks1.t1=my key 2"});
    fail("file key with two blanks", {"ks1.t1=my  key"}, "Check_ReadBack", 1, "", "E_Common_KEY");
    fail("file key ending in a blank", {"ks1.t1=key "}, "Check_ReadBack", 1, "", "E_Common_KEY");
    fail("old file key with a point", {"ks2.t1=old.key"}, "Check_ReadBack", 2, "", "E_Common_KEYOld");
    fail("identifier with a character outside Windows-1251", {"sm.v1=1", "gi.t1=12AB\u4E2D"},
         "Check_ReadBack", 55, "", "E_GPRS_Ident");
    fail("identifier with a character outside Windows-1251, GPRS off", {"gi.t1=12AB\u4E2D"}, "Check_ReadBack",
         55, "gi.t1=", "E_GPRS_Ident");
    pass("learned key marker and version text are not judged",
         {"ua1.t2=************", "Zentrix.t1=Config Orva soft v. 3. 0"});
}

void ValidationRulesTest::rules()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, check);
    QFETCH(int, rule);
    QFETCH(QString, afterDefault);
    QFETCH(QString, focus);
    QFETCH(QString, list);
    QFETCH(int, row);

    bool ok = false;
    T_Command_DEVICE model = ModelWith(edits, &ok);
    QVERIFY2(ok, "an edit of the fixture was not understood");

    const std::optional<RuleFailure> failure = FirstFailure(model);
    if (check.isEmpty()) {
        QVERIFY2(!failure, failure ? qPrintable(failure->check + u' ' + QString::number(failure->rule)) : "");
        QVERIFY(AllFailures(model).isEmpty());
        return;
    }
    QVERIFY(failure.has_value());
    QCOMPARE(failure->check, check);
    QCOMPARE(failure->rule, rule);
    QCOMPARE(failure->focusControl, focus);
    QCOMPARE(failure->listControl, list);
    QCOMPARE(failure->listRow, row);
    QCOMPARE(failure->defaultOffered, !afterDefault.isEmpty());
    QVERIFY(!failure->headline.isEmpty());
    QVERIFY(!failure->hint.isEmpty());
    QVERIFY(!failure->pageCaption.isEmpty());

    // Each fixture breaks exactly one rule.
    const QList<RuleFailure> all = AllFailures(model);
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().position, failure->position);

    const T_Command_DEVICE before = model;
    QCOMPARE(ApplyDefault(model, *failure), failure->defaultOffered);
    if (afterDefault.isEmpty()) {
        QVERIFY(SameModel(model, before));
        return;
    }
    QVERIFY2(ModelHas(model, afterDefault), qPrintable(afterDefault));
    // The default repairs the rule: the walk goes on from the next rule and finds nothing more.
    QVERIFY(!FirstFailure(model, failure->position.next()).has_value());
    QVERIFY(!FirstFailure(model).has_value());
}

QTEST_GUILESS_MAIN(ValidationRulesTest)
#include "tst_validation_rules.moc"
