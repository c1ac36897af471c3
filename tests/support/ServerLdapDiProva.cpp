#include "tests/support/ServerLdapDiProva.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QThread>

#include <ldap.h>

using namespace Qt::StringLiterals;

namespace {

const QString slapd = u"/usr/sbin/slapd"_s;
const QString slapadd = u"/usr/sbin/slapadd"_s;
constexpr int TentativiPorta = 5;

const QString radice = u"dn: o=internet\nobjectClass: organization\no: internet\n\n"_s;

QString Configurazione(const QString& cartella)
{
    QString conf;
    for (const QString& schema : {u"core"_s, u"cosine"_s, u"inetorgperson"_s})
        conf += u"include /etc/ldap/schema/"_s + schema + u".schema\n"_s;
    conf += u"include \""_s + QStringLiteral(INVEXO_SCHEMA_LDAP) + u"\"\n"_s;
    conf += u"pidfile \""_s + cartella
        + u"/slapd.pid\"\n"_s
          u"modulepath /usr/lib/ldap\n"
          u"moduleload back_mdb\n"
          u"database mdb\n"
          u"maxsize 104857600\n"
          u"directory \""_s
        + cartella
        + u"/db\"\n"_s
          u"suffix \"o=internet\"\n"
          u"rootdn \"cn=manager,o=internet\"\n"
          u"rootpw krovelbin\n"
          u"index objectClass eq\n"
          u"index orbeniCode eq\n"
          u"index uid eq\n"
          u"index userLogin eq\n"_s;
    return conf;
}

bool Scrivi(const QString& percorso, const QString& testo)
{
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(testo.toUtf8()) == testo.toUtf8().size();
}

quint16 PortaLibera()
{
    QTcpServer prova;
    if (!prova.listen(QHostAddress::LocalHost, 0))
        return 0;
    return prova.serverPort();
}

ServerLdapDiProva* condiviso = nullptr;

} // namespace

ServerLdapDiProva::ServerLdapDiProva(const QString& ldif, const QString& cartella)
    : m_cartella(cartella.isEmpty()
            ? std::make_unique<QTemporaryDir>()
            : std::make_unique<QTemporaryDir>(cartella + u"/slapd-XXXXXX"_s))
{
    if (Prepara(ldif))
        Avvia();
}

ServerLdapDiProva::~ServerLdapDiProva()
{
    if (m_slapd.state() != QProcess::NotRunning) {
        m_slapd.terminate();
        if (!m_slapd.waitForFinished(5000)) {
            m_slapd.kill();
            m_slapd.waitForFinished(2000);
        }
    }
}

QString ServerLdapDiProva::Indirizzo() const
{
    return u"127.0.0.1:"_s + QString::number(m_porta);
}

QString ServerLdapDiProva::Url() const
{
    return u"ldap://"_s + Indirizzo() + u'/';
}

bool ServerLdapDiProva::Prepara(const QString& ldif)
{
    if (!m_cartella->isValid()) {
        m_errore = u"cartella temporanea non creata"_s;
        return false;
    }
    const QString cartella = m_cartella->path();
    if (!QDir(cartella).mkpath(u"db"_s)
        || !Scrivi(cartella + u"/slapd.conf"_s, Configurazione(cartella))
        || !Scrivi(cartella + u"/seed.ldif"_s, radice + ldif)) {
        m_errore = u"configurazione di slapd non scritta in "_s + cartella;
        return false;
    }
    QProcess carica;
    carica.setProcessChannelMode(QProcess::MergedChannels);
    carica.start(slapadd,
        {u"-q"_s, u"-f"_s, cartella + u"/slapd.conf"_s, u"-l"_s, cartella + u"/seed.ldif"_s});
    if (!carica.waitForFinished(60000) || carica.exitStatus() != QProcess::NormalExit
        || carica.exitCode() != 0) {
        m_errore = u"slapadd: "_s + QString::fromLocal8Bit(carica.readAll());
        return false;
    }
    return true;
}

bool ServerLdapDiProva::Avvia()
{
    const QString conf = m_cartella->path() + u"/slapd.conf"_s;
    m_slapd.setProcessChannelMode(QProcess::MergedChannels);
    for (int tentativo = 0; tentativo < TentativiPorta; ++tentativo) {
        const quint16 porta = PortaLibera();
        if (porta == 0)
            continue;
        const QString url = u"ldap://127.0.0.1:"_s + QString::number(porta) + u'/';
        // -d 0 keeps slapd in the foreground, so this object owns the process.
        m_slapd.start(slapd, {u"-h"_s, url, u"-f"_s, conf, u"-d"_s, u"0"_s});
        if (!m_slapd.waitForStarted(5000))
            break;
        m_porta = porta;
        const QDeadlineTimer scadenza(15000);
        while (!scadenza.hasExpired() && m_slapd.state() == QProcess::Running) {
            if (AccettaBind())
                return true;
            QThread::msleep(50);
        }
        m_porta = 0;
        if (m_slapd.state() == QProcess::Running) {
            m_slapd.kill();
            m_slapd.waitForFinished(2000);
        }
        m_errore = u"slapd non risponde: "_s + QString::fromLocal8Bit(m_slapd.readAll());
    }
    if (m_errore.isEmpty())
        m_errore = u"slapd non avviato: "_s + m_slapd.errorString();
    return false;
}

bool ServerLdapDiProva::AccettaBind() const
{
    LDAP* ldap = nullptr;
    const QByteArray url = Url().toUtf8();
    if (ldap_initialize(&ldap, url.constData()) != LDAP_SUCCESS)
        return false;
    const int versione = LDAP_VERSION3;
    ldap_set_option(ldap, LDAP_OPT_PROTOCOL_VERSION, &versione);
    QByteArray segreto("krovelbin");
    berval credenziali {static_cast<ber_len_t>(segreto.size()), segreto.data()};
    const int esito = ldap_sasl_bind_s(
        ldap, "cn=manager,o=internet", LDAP_SASL_SIMPLE, &credenziali, nullptr, nullptr, nullptr);
    ldap_unbind_ext_s(ldap, nullptr, nullptr);
    return esito == LDAP_SUCCESS;
}

AmbienteServerLdap::AmbienteServerLdap(std::function<QString()> ldif)
    : m_ldif(std::move(ldif))
{
}

void AmbienteServerLdap::SetUp()
{
    condiviso = new ServerLdapDiProva(m_ldif());
    ASSERT_TRUE(condiviso->Avviato()) << condiviso->Errore().toStdString();
}

void AmbienteServerLdap::TearDown()
{
    delete condiviso;
    condiviso = nullptr;
}

ServerLdapDiProva& AmbienteServerLdap::Server()
{
    return *condiviso;
}
