#!/usr/bin/env bash
# The demo directory script: starts a slapd that answers with the demo users, gives the same
# port while it runs, keeps its contents across a stop and a new start, and stops.
set -euo pipefail
script=$1
dir=$(mktemp -d)
trap '"$script" "$dir/rubrica" stop; rm -rf "$dir"' EXIT

cerca() {
  ldapsearch -x -LLL -H "ldap://127.0.0.1:$1/" -D cn=manager,o=internet -w krovelbin \
    -b dc=quorvanel,dc=it,o=internet "$2" "$3"
}
fallito() { echo "FALLITO: $*" >&2; exit 1; }

porta=$("$script" "$dir/rubrica")
[[ "$porta" =~ ^[0-9]+$ ]] || fallito "porta non numerica: $porta"
cerca "$porta" uid=demo userLogin | grep -qx 'userLogin: demo@quorvanel.it' \
  || fallito "utente demo assente"
[ "$("$script" "$dir/rubrica")" = "$porta" ] || fallito "una seconda chiamata cambia porta"

ldapmodify -x -H "ldap://127.0.0.1:$porta/" -D cn=manager,o=internet -w krovelbin >/dev/null <<LDIF
dn: uid=mrossi,ou=people,dc=quorvanel,dc=it,o=internet
changetype: modify
replace: sn
sn: Modificato
LDIF
"$script" "$dir/rubrica" stop
porta=$("$script" "$dir/rubrica")
cerca "$porta" uid=mrossi sn | grep -qx 'sn: Modificato' || fallito "modifica persa al riavvio"

"$script" 2>/dev/null && fallito "senza cartella deve rifiutare"
echo OK
