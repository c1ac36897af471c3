#include "orbeni/local/ParoleShell.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

class Divisore final {
public:
    explicit Divisore(const QString& riga)
        : m_riga(riga)
    {
    }

    std::optional<QList<ParolaShell>> Esegui(QString& errore)
    {
        while (m_pos < m_riga.size()) {
            const QChar c = m_riga.at(m_pos);
            if (c == u' ' || c == u'\t') {
                ChiudiParola();
                ++m_pos;
            } else if (c == u'\'') {
                if (!ApiciSingoli(errore))
                    return std::nullopt;
            } else if (c == u'"') {
                if (!ApiciDoppi(errore))
                    return std::nullopt;
            } else if (c == u'\\') {
                if (!Barra(errore))
                    return std::nullopt;
            } else if (c == u'>') {
                if (!Redirezione(errore))
                    return std::nullopt;
            } else if (!CarattereLibero(c, errore)) {
                return std::nullopt;
            } else {
                m_parola += c;
                m_aperta = true;
                ++m_pos;
            }
        }
        ChiudiParola();
        return m_parole;
    }

private:
    void ChiudiParola()
    {
        if (m_aperta)
            m_parole.append({m_parola, false});
        m_parola.clear();
        m_aperta = false;
        m_quotata = false;
    }

    bool Rifiuta(QString& errore, const QString& motivo)
    {
        errore = motivo;
        return false;
    }

    bool ApiciSingoli(QString& errore)
    {
        const qsizetype fine = m_riga.indexOf(u'\'', m_pos + 1);
        if (fine < 0)
            return Rifiuta(errore, u"Apice non chiuso"_s);
        m_parola += m_riga.mid(m_pos + 1, fine - m_pos - 1);
        m_aperta = m_quotata = true;
        m_pos = fine + 1;
        return true;
    }

    bool ApiciDoppi(QString& errore)
    {
        m_aperta = m_quotata = true;
        for (++m_pos; m_pos < m_riga.size(); ++m_pos) {
            const QChar c = m_riga.at(m_pos);
            if (c == u'"') {
                ++m_pos;
                return true;
            }
            if (c == u'$' || c == u'`')
                return Rifiuta(errore, u"Sostituzione non ammessa: "_s + c);
            if (c == u'\\' && m_pos + 1 < m_riga.size()) {
                const QChar dopo = m_riga.at(m_pos + 1);
                if (dopo == u'\n') {
                    ++m_pos;
                    continue;
                }
                if (dopo == u'$' || dopo == u'`' || dopo == u'"' || dopo == u'\\') {
                    m_parola += dopo;
                    ++m_pos;
                    continue;
                }
            }
            m_parola += c;
        }
        return Rifiuta(errore, u"Virgolette non chiuse"_s);
    }

    bool Barra(QString& errore)
    {
        if (m_pos + 1 >= m_riga.size())
            return Rifiuta(errore, u"Barra rovesciata in fondo alla riga"_s);
        const QChar dopo = m_riga.at(m_pos + 1);
        if (dopo != u'\n') {
            m_parola += dopo;
            m_aperta = m_quotata = true;
        }
        m_pos += 2;
        return true;
    }

    // "N>" counts as a redirection of descriptor N only when N stands alone and unquoted.
    bool Redirezione(QString& errore)
    {
        QString operatore = u">"_s;
        if (m_aperta && !m_quotata && m_parola == u"2"_s) {
            operatore = u"2>"_s;
            m_parola.clear();
            m_aperta = false;
        } else if (m_aperta && !m_quotata
            && std::all_of(m_parola.begin(), m_parola.end(), [](QChar c) { return c.isDigit(); })) {
            return Rifiuta(errore, u"Redirezione non ammessa: "_s + m_parola + u'>');
        }
        ChiudiParola();
        ++m_pos;
        if (m_pos < m_riga.size()) {
            const QChar dopo = m_riga.at(m_pos);
            if (dopo == u'>' || dopo == u'&' || dopo == u'|' || dopo == u'(')
                return Rifiuta(errore, u"Redirezione non ammessa: "_s + operatore + dopo);
        }
        m_parole.append({operatore, true});
        return true;
    }

    bool CarattereLibero(QChar c, QString& errore)
    {
        static const QString separatori = u";&|<()\n\r"_s;
        static const QString sostituzioni = u"$`"_s;
        static const QString modelli = u"*?[]{}!"_s;
        if (separatori.contains(c))
            return Rifiuta(errore, u"Carattere di controllo non ammesso: "_s + Mostra(c));
        if (sostituzioni.contains(c))
            return Rifiuta(errore, u"Sostituzione non ammessa: "_s + c);
        if (modelli.contains(c))
            return Rifiuta(errore, u"Carattere speciale non ammesso: "_s + c);
        if (!m_aperta && (c == u'~' || c == u'#'))
            return Rifiuta(errore, u"Carattere speciale non ammesso: "_s + c);
        if (c.unicode() < 0x20)
            return Rifiuta(errore, u"Carattere di controllo non ammesso"_s);
        return true;
    }

    static QString Mostra(QChar c)
    {
        if (c == u'\n')
            return u"a capo"_s;
        if (c == u'\r')
            return u"ritorno carrello"_s;
        return QString(c);
    }

    const QString& m_riga;
    qsizetype m_pos = 0;
    QString m_parola;
    bool m_aperta = false;
    bool m_quotata = false;
    QList<ParolaShell> m_parole;
};

} // namespace

std::optional<QList<ParolaShell>> DividiRigaComando(const QString& riga, QString& errore)
{
    return Divisore(riga).Esegui(errore);
}
