#!/usr/bin/env python3
"""Writes the expected spool files of the writer tests, field by field from the record tables.

Independent of the program's code on purpose: widths are typed here from the format tables,
values are written out by hand for each case. Run it from this folder after changing a case.
"""

DESMAIL = [30, 30, 40, 30, 40, 20, 60, 6, 4, 1, 1, 3, 1, 60, 1, 10, 1000, 1]
DOCMAIL = [3, 1, 2, 5, 4, 2, 1, 80, 15, 1]
NUL = None


def field(value, width):
    if value is NUL:
        return b"\0" * width
    data = value.encode("cp1252", errors="replace")[:width]
    return data + b" " * (width - len(data))


def record(widths, values):
    # Every field but the closing line feed is given explicitly.
    assert len(values) == len(widths) - 1, len(values)
    data = b"".join(field(v, w) for v, w in zip(values, widths)) + b"\n"
    assert len(data) == sum(widths)
    return data


def desmail(*values):
    return record(DESMAIL, values)


def docmail(*values):
    return record(DOCMAIL, values)


def write(case, name, data):
    import os
    os.makedirs(case, exist_ok=True)
    with open(os.path.join(case, name), "wb") as f:
        f.write(data)


DATE, TIME = "050324", "0907"
SENDER_NAME, SENDER_MAIL = "Ufficio 'Vendite", "vendite@quorvanel.it"

# Three documents, the second printed; an invoice to an e-mail customer kept in the address
# book, a credit note to a fax customer; no gateway.
write("documenti", "desmail",
      desmail("D'Angelo & Figli", SENDER_NAME, "Invio telematico Fattura FA 2007 123", "C0001",
              "", "", "info@dangelo.it", DATE, TIME, "3", "3", "000", "", SENDER_MAIL, "M",
              "", "info@dangelo.it")
      + desmail("Bianchi S.p.A.", SENDER_NAME, "Invio telematico Nota di credito NC 2008", "",
                "", "0522/123456", "", DATE, TIME, "3", "2", "001", "", SENDER_MAIL, "",
                NUL, NUL))
write("documenti", "docmail",
      docmail("000", "Z", "FA", "00123", "0000", "07", "A", "FATTURE EMESSE FA 123 2007", "")
      + docmail("001", "Z", "NC", "04567", "0012", "08", "", "NOTE DI CREDITO EMESSE NC 4567 2008",
                ""))
write("documenti", "frontmail", b"")

# Gateway mode: no name for the sender, 10 attempts, a gateway address with separators, a
# name outside the code page.
write("documenti_gateway", "desmail",
      desmail("Rossi Mario", SENDER_MAIL, "Invio telematico Conferma CO 2024 7", "", "Extra",
              "", "fax-0522123456@fax.quorvanel.it", DATE, TIME, "1", "3", "000", "",
              SENDER_MAIL, "", NUL, NUL)
      + desmail("\u0141\u00f3d\u017a Trasporti \u20ac", SENDER_MAIL, "Documenti", "C0011",
                "Extra", "", "ordini@verdi.it", DATE, TIME, "1", "3", "001", "", SENDER_MAIL,
                "M", NUL, NUL))
write("documenti_gateway", "docmail",
      docmail("000", "Z", "CO", "00007", "0001", "24", "", "CONFERME CO 7 2024", "")
      + docmail("001", "Z", "PL", "99999", "0000", "24", "", "PACKING LIST PL 99999 2024", ""))
write("documenti_gateway", "frontmail", b"")

# Privacy notices to an e-mail and a fax subject (a third one printed), with the wrapping cases
# in the cover text.
write("informative", "desmail",
      desmail("Neri Paolo", "Privacy Ufficio", "Informativa privacy", "F0001", "", "",
              "paolo@neri.it", DATE, TIME, "3", "3", "000", "", "privacy@quorvanel.it", "M",
              NUL, NUL)
      + desmail("Gialli SNC", "Privacy Ufficio", "Informativa privacy", "F0002", "",
                "051,224466", "", DATE, TIME, "3", "2", "000", "", "privacy@quorvanel.it", "",
                NUL, NUL))
write("informative", "docmail", docmail("000", "Y", "%C", "", "", "", "", "%C1_01", ""))
write("informative", "frontmail",
      b"A" * 19 + b" \r\n"
      + b"B" * 37 + b" CC\r\n"
      + b"0123456789" * 5 + b"0123456\r\n"
      + b"789" + b"0123456789" + b"\r\n"
      + b"Saluti \x96 ?\r\n"
      + b"\r\n"
      + b"Fine\r\n"
      + b"\r\n"
      + b"\r\n")

# Privacy notices marked as sent and set back to be sent; the printed entry changes state too.
for case, kind in (("stato_inv", "5"), ("stato_dainv", "4")):
    write(case, "desmail",
          desmail("Neri Paolo", "", "", "F0001", "", "", "", "301123", "0000", "1", kind, "000",
                  "", "", "M", NUL, NUL)
          + desmail("Gialli SNC", "", "", "F0002", "", "", "", "020124", "0000", "1", kind,
                    "000", "", "", "", NUL, NUL))
    write(case, "docmail", docmail("000", "X", "%C", "", "", "", "", "%C1_01", ""))

# Privacy mailing of the send dialog by e-mail: the gateway address goes as stored.
write("infoclienti_email", "desmail",
      desmail("Neri Paolo", "info@quorvanel.it", "Informativa", "F0001", "Extra testo", "",
              "fax-051/22@fax.quorvanel.it", DATE, TIME, "3", "3", "000", "",
              "info@quorvanel.it", "", NUL, NUL)
      + desmail("Gialli", "info@quorvanel.it", "Informativa", "F0002", "Extra testo", "",
                "g@gialli.it", DATE, TIME, "3", "3", "000", "", "info@quorvanel.it", "M",
                NUL, NUL))
write("infoclienti_email", "docmail", docmail("000", "Y", "%C", "", "", "", "", "%C1_01", ""))
write("infoclienti_email", "frontmail", b"Gentile cliente,\r\nin allegato.\r\n\r\n")

# Export mailing by fax: the export code follows the customer code, no sender address.
write("infoexport_fax", "desmail",
      desmail("M\u00fcller GmbH", "Export Ufficio", "Lettera export", "E0001DE", "",
              "0049/301234", "", DATE, TIME, "3", "2", "000", "", "", "M", NUL, NUL))
write("infoexport_fax", "docmail", docmail("000", "U", "%U", "", "", "", "", "%U1_01", ""))
write("infoexport_fax", "frontmail", b"")
