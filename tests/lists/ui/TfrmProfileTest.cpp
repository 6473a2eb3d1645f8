#include "support/ModalAnswer.h"
#include "settings/PasswordScramble.h"
#include "settings/ProfileList.h"
#include "settings/SettingsFile.h"
#include "lists/ui/TfrmProfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

class TfrmProfileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void controlsAndHints();
    void wrongPasswordKeepsTheDialogOpen();
    void refusedPasswordWriteIsReportedAndTheProfileTaken();
    void centredOnTheScreenNotOverTheMainWindow();
    void addingAndRemoving();
    void doNotShowSkipsTheDialogAndThePassword();
    void cancelWritesNothing();
    void requestedProfile_data();
    void requestedProfile();

private:
    QString directory() const { return m_dir->path() + u'/'; }
    SettingsFile shared() const { return SharedSettingsFile(directory()); }
    // Answers the next message box and returns its text through *text.
    void answerMessage(QString* text);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TfrmProfileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void TfrmProfileTest::answerMessage(QString* text)
{
    answerNextModal(this, [text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        *text = box->text();
        box->accept();
    });
}

void TfrmProfileTest::controlsAndHints()
{
    ProfileList profiles(shared());
    profiles.load();
    TfrmProfile dialog(profiles);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tolvaris Profile Selection"));
    QCOMPARE(dialog.cmbProfile->toolTip(), QStringLiteral("Profile name."));
    QVERIFY(!dialog.cmbProfile->isEditable());
    QCOMPARE(dialog.txtPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(dialog.chkDoNotShow->text(), QStringLiteral("Do not show this window again."));
    QCOMPARE(dialog.OKBtn->text(), QStringLiteral("&OK"));
    QVERIFY(dialog.OKBtn->isDefault());
    QCOMPARE(dialog.OKBtn->toolTip(), QStringLiteral("Establishes a connection."));
    QCOMPARE(dialog.CancelBtn->toolTip(), QStringLiteral("Returns without connecting."));
    QCOMPARE(dialog.btnAdd->toolTip(), QStringLiteral("Creates a new profile."));
    QCOMPARE(dialog.btmRemove->toolTip(), QStringLiteral("Discards the current profile."));
    QCOMPARE(dialog.btRegister->text(), QStringLiteral("Free Registration at FICS for Playing"));
}

void TfrmProfileTest::wrongPasswordKeepsTheDialogOpen()
{
    shared().writeString("Profiles", "Default", ScramblePassword("Secret"));
    ProfileList profiles(shared());
    profiles.load();
    TfrmProfile dialog(profiles);
    dialog.show();
    dialog.txtPassword->setText("secret");
    QString message;
    answerMessage(&message);
    dialog.OKBtn->click();
    QCOMPARE(message, QStringLiteral("Invalid password."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    dialog.txtPassword->setText("Secret");
    dialog.OKBtn->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TfrmProfileTest::refusedPasswordWriteIsReportedAndTheProfileTaken()
{
    // A folder in the file's place: it reads as empty and refuses every write.
    QVERIFY(QDir(m_dir->path()).mkdir("Tolvaris.ini"));
    ProfileList profiles(shared());
    profiles.load();
    TfrmProfile dialog(profiles);
    dialog.show();
    dialog.txtPassword->setText("first");
    QString message;
    answerMessage(&message);
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    QCOMPARE(message, "Unable to write to " + m_dir->filePath("Tolvaris.ini"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TfrmProfileTest::centredOnTheScreenNotOverTheMainWindow()
{
    QMainWindow mainWindow; // not shown yet, as at start
    mainWindow.setGeometry(0, 0, 300, 200);
    ProfileList profiles(shared());
    profiles.load();
    TfrmProfile dialog(profiles, &mainWindow);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint offCentre =
        dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
    // Within rounding and the frame's few pixels.
    QVERIFY2(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

void TfrmProfileTest::addingAndRemoving()
{
    ProfileList profiles(shared());
    profiles.load();
    TfrmProfile dialog(profiles);
    dialog.show();

    QString message;
    answerMessage(&message);
    dialog.btmRemove->click();
    QCOMPARE(message, QStringLiteral("Can not remove the last profile"));

    // The message box of a refused name comes after the input box.
    const auto answerInput = [this](const QString& name, QString* refusal) {
        answerNextModal(this, [this, name, refusal](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral("New Profile"));
            QCOMPARE(input->labelText(), QStringLiteral("Profile Name"));
            input->setTextValue(name);
            input->accept();
            if (refusal)
                answerMessage(refusal);
        });
    };
    answerInput("default", &message);
    dialog.btnAdd->click();
    QCOMPARE(message, QStringLiteral("Profile already exists."));

    answerInput("Blitz", nullptr);
    dialog.btnAdd->click();
    QCOMPARE(dialog.cmbProfile->currentText(), QStringLiteral("Blitz"));
    QCOMPARE(dialog.cmbProfile->count(), 2);

    dialog.btmRemove->click();
    QCOMPARE(dialog.cmbProfile->count(), 1);
    QCOMPARE(dialog.cmbProfile->currentText(), QStringLiteral("Default"));
}

void TfrmProfileTest::doNotShowSkipsTheDialogAndThePassword()
{
    SettingsFile file = shared();
    file.writeBool("Profiles", "DoNotShow", true);
    file.writeInteger("Profiles", "Count", 2);
    file.writeString("Profiles", "Name1", "Blitz");
    file.writeString("Profiles", "Name2", "Slow");
    file.writeString("Profiles", "Last", "Slow");
    file.writeString("Profiles", "Slow", ScramblePassword("pw"));
    QCOMPARE(SelectProfile(directory()), directory() + "Slow.ini");
}

void TfrmProfileTest::cancelWritesNothing()
{
    answerNextModal(this, [](QWidget* modal) {
        modal->findChild<QPushButton*>("CancelBtn")->click();
    });
    QCOMPARE(SelectProfile(directory()), QString());
    QVERIFY(!QFile::exists(shared().path()));
}

namespace {

// One scripted answer to a modal window: type into an input box, or press a button.
struct ModalStep
{
    QString typed;      // for an input box
    bool accept = true; // false: cancel
};

void answerInOrder(QObject* context, QList<ModalStep> steps, QStringList* seen)
{
    if (steps.isEmpty())
        return;
    const ModalStep step = steps.takeFirst();
    answerNextModal(context, [context, step, steps, seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            *seen << box->text();
        else if (auto* input = qobject_cast<QInputDialog*>(modal))
            *seen << QStringLiteral("input");
        else
            *seen << QStringLiteral("dialog");
        answerInOrder(context, steps, seen);
        if (auto* input = qobject_cast<QInputDialog*>(modal))
            input->setTextValue(step.typed);
        auto* dialog = qobject_cast<QDialog*>(modal);
        QVERIFY(dialog);
        if (step.accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace

void TfrmProfileTest::requestedProfile_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QList<ModalStep>>("steps");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("chosen"); // profile name, or "" when the program ends

    QTest::newRow("profile without password: no window at all")
        << "Blitz" << QList<ModalStep>{} << QStringList{} << "Blitz";
    QTest::newRow("name matched without letter case")
        << "blitz" << QList<ModalStep>{} << QStringList{} << "Blitz";
    QTest::newRow("password asked and right")
        << "Slow" << QList<ModalStep>{{"pw"}} << QStringList{"input"} << "Slow";
    QTest::newRow("wrong password asked again, then cancelled")
        << "Slow" << QList<ModalStep>{{"bad"}, {}, {QString(), false}}
        << QStringList{"input", "Invalid password.", "input"} << "";
    QTest::newRow("unknown name: reported, then the dialog decides")
        << "Nope" << QList<ModalStep>{{}, {}}
        << QStringList{"There is no profile named Nope.", "dialog"} << "Blitz";
}

void TfrmProfileTest::requestedProfile()
{
    QFETCH(QString, requested);
    QFETCH(QList<ModalStep>, steps);
    QFETCH(QStringList, seen);
    QFETCH(QString, chosen);

    SettingsFile file = shared();
    file.writeInteger("Profiles", "Count", 2);
    file.writeString("Profiles", "Name1", "Blitz");
    file.writeString("Profiles", "Name2", "Slow");
    file.writeString("Profiles", "Last", "Blitz");
    file.writeString("Profiles", "Slow", ScramblePassword("pw"));

    QStringList modals;
    answerInOrder(this, steps, &modals);
    const QString path = SelectProfile(directory(), nullptr, requested);
    QCOMPARE(modals, seen);
    QCOMPARE(path, chosen.isEmpty() ? QString() : directory() + chosen + ".ini");
    if (!chosen.isEmpty())
        QCOMPARE(file.readString("Profiles", "Last", QString()), chosen);
}

QTEST_MAIN(TfrmProfileTest)
#include "TfrmProfileTest.moc"
