#pragma once

#include "net/FirewallSettings.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The SOCKS proxy fields of the connection dialog.
class SocksProxyBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit SocksProxyBox(QWidget* parent = nullptr);

    FirewallSettings firewall() const;
    void setFirewall(const FirewallSettings& firewall);

    QLineEdit* txtSockServer;
    QLineEdit* txtSockPort;
    QComboBox* cmbSockLevel;
    QLineEdit* txtSockPass;
    QLineEdit* txtSockUserCode;
    QCheckBox* chkSockEnabled;
    QCheckBox* chkSockAuth;
};
