#include "session/ui/SocksProxyBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

SocksProxyBox::SocksProxyBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Socks Proxy Info (Firewall)"), parent)
{
    setObjectName(QStringLiteral("grpSocks"));
    const auto edit = [this](const QString& name) {
        auto* created = new QLineEdit(this);
        created->setObjectName(name);
        return created;
    };
    txtSockServer = edit(QStringLiteral("txtSockServer"));
    txtSockPort = edit(QStringLiteral("txtSockPort"));
    txtSockPass = edit(QStringLiteral("txtSockPass"));
    txtSockPass->setEchoMode(QLineEdit::Password);
    txtSockUserCode = edit(QStringLiteral("txtSockUserCode"));

    // Editable, so that a level the file holds is shown as it is and the socket
    // can name the allowed ones when it is wrong.
    cmbSockLevel = new QComboBox(this);
    cmbSockLevel->setObjectName(QStringLiteral("cmbSockLevel"));
    cmbSockLevel->setEditable(true);
    for (const SocksLevel level : {SocksLevel::Four, SocksLevel::FourA, SocksLevel::Five})
        cmbSockLevel->addItem(SocksSettings::levelText(level));

    chkSockEnabled = new QCheckBox(QStringLiteral("Enabled Socks"), this);
    chkSockEnabled->setObjectName(QStringLiteral("chkSockEnabled"));
    chkSockAuth = new QCheckBox(QStringLiteral("Authenticate User Code"), this);
    chkSockAuth->setObjectName(QStringLiteral("chkSockAuth"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Server"), txtSockServer);
    form->addRow(QStringLiteral("Port"), txtSockPort);
    form->addRow(QStringLiteral("Level"), cmbSockLevel);
    form->addRow(QStringLiteral("Password"), txtSockPass);
    form->addRow(QStringLiteral("User Code"), txtSockUserCode);
    form->addRow(chkSockEnabled);
    form->addRow(chkSockAuth);
}

FirewallSettings SocksProxyBox::firewall() const
{
    FirewallSettings firewall;
    firewall.enabled = chkSockEnabled->isChecked();
    firewall.server = txtSockServer->text();
    firewall.port = txtSockPort->text();
    firewall.level = cmbSockLevel->currentText();
    firewall.password = txtSockPass->text();
    firewall.userCode = txtSockUserCode->text();
    firewall.authenticate = chkSockAuth->isChecked();
    return firewall;
}

void SocksProxyBox::setFirewall(const FirewallSettings& firewall)
{
    chkSockEnabled->setChecked(firewall.enabled);
    txtSockServer->setText(firewall.server);
    txtSockPort->setText(firewall.port);
    cmbSockLevel->setCurrentText(firewall.level);
    txtSockPass->setText(firewall.password);
    txtSockUserCode->setText(firewall.userCode);
    chkSockAuth->setChecked(firewall.authenticate);
}
