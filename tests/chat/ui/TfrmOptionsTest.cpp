#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ui/OptionsFontPage.h"
#include "chat/ui/TfrmOptions.h"
#include "settings/SettingsFile.h"

#include "support/ModalAnswer.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class TfrmOptionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pagesHandBackTheirValues();
    void addedCustomFontIsStoredAtOnce();
    void deleteRefusesWithoutSelectionAndForProgramEntries_data();
    void deleteRefusesWithoutSelectionAndForProgramEntries();
    void kindColourActsAtOnce();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CustomFontList> m_custom;
    std::unique_ptr<KindFonts> m_fonts;
    std::unique_ptr<TfrmOptions> m_dialog;
    int m_stores = 0;
};

void TfrmOptionsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_custom = std::make_unique<CustomFontList>();
    m_fonts = std::make_unique<KindFonts>(*m_custom);
    m_stores = 0;
    GeneralOptions options;
    options.autoExecCommands = {"finger", "who"};
    m_dialog = std::make_unique<TfrmOptions>(options, *m_fonts, *m_custom, [this] {
        ++m_stores;
        SettingsFile shared(m_dir->filePath("Tolvaris.ini"));
        m_custom->store(shared);
    });
}

void TfrmOptionsTest::cleanup()
{
    m_dialog.reset();
    m_fonts.reset();
    m_custom.reset();
    m_dir.reset();
}

void TfrmOptionsTest::pagesHandBackTheirValues()
{
    QCOMPARE(m_dialog->memAutoExec->toPlainText(), QStringLiteral("finger\nwho"));
    m_dialog->chkSilenceSeeks->setChecked(false);
    m_dialog->chkSilenceChannels->setChecked(false);
    m_dialog->rbShoutType[2]->setChecked(true);
    m_dialog->chkEcho->setChecked(false);
    m_dialog->memAutoExec->setPlainText(QStringLiteral("finger\n\nset open 0\n"));
    const GeneralOptions chosen = m_dialog->options();
    QCOMPARE(chosen.silenceSet, 1 | 4);
    QCOMPARE(chosen.shoutType, int(GeneralOptions::It));
    QVERIFY(!chosen.echo);
    QCOMPARE(chosen.autoExecCommands, QStringList({"finger", "set open 0"}));
}

void TfrmOptionsTest::addedCustomFontIsStoredAtOnce()
{
    OptionsFontPage* page = m_dialog->fontPage;
    page->askKey = [] { return std::optional<QString>(QStringLiteral(" anna ")); };
    page->btnAdd->click();
    QCOMPARE(m_stores, 1);
    QCOMPARE(page->lstCustom->count(), 5);
    QCOMPARE(page->lstCustom->currentItem()->text(), QStringLiteral("ANNA"));
    SettingsFile shared(m_dir->filePath("Tolvaris.ini"));
    QVERIFY(shared.readString(CustomFontList::Section, "4", {}).startsWith("ANNA|"));

    page->askKey = [] { return std::optional<QString>(); };
    page->btnAdd->click();
    QCOMPARE(page->lstCustom->count(), 5);
}

void TfrmOptionsTest::deleteRefusesWithoutSelectionAndForProgramEntries_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message"); // empty: deleted without a message

    QTest::newRow("nothing selected") << -1 << OptionsFontPage::SelectFirstMessage;
    QTest::newRow("program entry") << 1 << OptionsFontPage::ProtectedMessage;
    QTest::newRow("user entry") << 3 << QString();
}

void TfrmOptionsTest::deleteRefusesWithoutSelectionAndForProgramEntries()
{
    QFETCH(int, row);
    QFETCH(QString, message);

    OptionsFontPage* page = m_dialog->fontPage;
    page->lstCustom->setCurrentRow(row);
    QString shown;
    if (!message.isEmpty()) {
        answerNextModal(this, [&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box) {
                shown = box->text();
                box->accept();
            }
        });
    }
    page->btnDelete->click();
    QCOMPARE(shown, message);
    QCOMPARE(m_custom->entries().size(), message.isEmpty() ? 3 : 4);
    QCOMPARE(m_stores, message.isEmpty() ? 1 : 0);
}

void TfrmOptionsTest::kindColourActsAtOnce()
{
    OptionsFontPage* page = m_dialog->fontPage;
    page->lstKinds->setCurrentRow(int(TextKind::Tell));
    page->chooseColor = [](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); };
    page->btnKindColor->click();
    m_dialog->reject();
    QCOMPARE((*m_fonts)[TextKind::Tell].color, 0x008000);
}

QTEST_MAIN(TfrmOptionsTest)
#include "TfrmOptionsTest.moc"
