#pragma once

#include <QString>

// A contact as the editor sends it to the contacts web service.
class CContattoRubrica final {
public:
    QString titolo;
    QString lingua;
    QString nome;
    QString cognome;
    QString funzioneAziendale;
    QString annotazioni;
    QString numeroFax;
    QString numeroTelCasa;
    QString numeroTelUff;
    QString numeroCell;
    QString email;
    QString societa;
    QString mailingList;
    QString codiceAnagrafico;
    QString employeeType;
    QString orbeniCode;
    QString uid;
    // The contact's functions, joined with "|".
    QString listaFunzioniAziendali;
};
