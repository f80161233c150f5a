// The list pages and the hidden zones page together: the zone bindings pass through loads, edits and
// saves untouched; the page "Разделы" holds its grid but never any data.
#include "../../support/file_bytes.h"
#include "list_clicks.h"
#include "list_pages_support.h"

#include "config_text/writer.h"
#include "pages/keys_page.h"
#include "pages/zone_page.h"
#include "widgets/field_edit.h"
#include "widgets/key_type_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

using namespace orva;

namespace {

const quint8 ZoneCodes[] = {Cmd::zn, Cmd::ez, Cmd::rz, Cmd::uz};

QString FixtureText()
{
    return ConfigurationTextFromBytes(test::ReadBytes(test::FixturePath(QStringLiteral("lists/zones.ini"))));
}

// The written lines of the zone bindings.
QStringList ZoneLines(const T_Command_DEVICE &model)
{
    QStringList lines;
    for (quint8 code : ZoneCodes) {
        for (const T_Command &record : model.records(code))
            lines << FormatCommandLine(record);
    }
    return lines;
}

} // namespace

class ZoneBindingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyZonesSurviveEditsOfTheKey();
    void zonesSurviveShowingTheLoopsAndRelays();
    void zonePageIsNeverShownNorFilled();
};

void ZoneBindingsTest::keyZonesSurviveEditsOfTheKey()
{
    ListPageFixture f;
    QVERIFY(f.Start("TabKeys"));
    LoadConfigurationText(FixtureText(), f.working);
    f.window->Redraw_All();
    const QStringList zonesBefore = ZoneLines(f.working);
    QVERIFY(zonesBefore.contains(QStringLiteral("uz5-2,3")));

    const KeysPage::KeyRow &row = PageAs<KeysPage>(*f.window, PageSlot::Keys)->Row(5);
    row.name->setFocus();
    row.name->end(false);
    Type(row.name, QStringLiteral("Ю"));
    row.type->setFocus();
    QTest::keyClick(row.type, Qt::Key_End);
    f.window->UnLoad_All();

    QCOMPARE(f.working.record(Cmd::ua, 5).text(1), QStringLiteral("*GateЮ"));
    QCOMPARE(ZoneLines(f.working), zonesBefore);
    const ConfigurationBytes written = EncodeConfiguration(f.working);
    QVERIFY(written.ok());
    QVERIFY(written.bytes.contains("\r\nuz5-2,3 "));
}

void ZoneBindingsTest::zonesSurviveShowingTheLoopsAndRelays()
{
    ListPageFixture f;
    QVERIFY(f.Start("TabShleifs"));
    LoadConfigurationText(FixtureText(), f.working);
    f.window->Redraw_All();
    const QStringList zonesBefore = ZoneLines(f.working);
    // Every loop that is in use and zoned, and every relay (the lock among them), shown in turn.
    for (int loop : {1, 2, 3})
        test::ClickRow(f.Find<QListWidget>("L_Shleif_Shleifs"), loop - 1);
    f.window->PagesParam()->setCurrentWidget(f.Find<QWidget>("TabRele"));
    for (int relay : {2, 3, 4, 1, 2})
        test::ClickRow(f.Find<QListWidget>("L_Rele_Reles"), relay - 1);
    f.window->UnLoad_All();
    QCOMPARE(ZoneLines(f.working), zonesBefore);
}

void ZoneBindingsTest::zonePageIsNeverShownNorFilled()
{
    ListPageFixture f;
    QVERIFY(f.Start("TabCommon"));
    auto *zones = PageAs<ZonePage>(*f.window, PageSlot::Zone);
    QTabWidget *pages = f.window->PagesParam();
    QCOMPARE(pages->indexOf(zones->tab()), -1);
    QVERIFY(!zones->tab()->isAncestorOf(f.window.get()) && zones->tab()->window() != f.window.get());
    QCOMPARE(zones->tab()->windowTitle(), QStringLiteral("Разделы"));

    // Create_Zone built the grid: four zone rows, four groups of four boxes.
    QCOMPARE(zones->GridBoxes().size(), 16);
    QStringList rowLabels;
    for (const QLabel *label : zones->tab()->findChildren<QLabel *>()) {
        if (QRegularExpression(QStringLiteral("^Раздел \\d:$")).match(label->text()).hasMatch())
            rowLabels << label->text();
    }
    rowLabels.sort();
    QCOMPARE(rowLabels, (QStringList{QStringLiteral("Раздел 1:"), QStringLiteral("Раздел 2:"),
                                     QStringLiteral("Раздел 3:"), QStringLiteral("Раздел 4:")}));

    LoadConfigurationText(FixtureText(), f.working);
    f.window->Redraw_All();
    for (const QCheckBox *box : zones->GridBoxes())
        QVERIFY(!box->isChecked());
    // Its own steps move nothing, also when a box is ticked.
    zones->GridBoxes().at(5)->setChecked(true);
    T_Command_DEVICE before;
    before = f.working;
    zones->Redraw_Zone();
    zones->UnLoad_Zone();
    zones->BeforeShow();
    QVERIFY(SameModel(f.working, before));
}

QTEST_MAIN(ZoneBindingsTest)
#include "tst_zone_bindings.moc"
