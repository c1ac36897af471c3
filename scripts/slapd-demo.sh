#!/usr/bin/env bash
# Starts a slapd for the demo company on a free loopback port, with its database in DIR, and
# prints the port. The directory holds the domain quorvanel.it with the users "demo"
# (demo@quorvanel.it) and "mrossi" (mario.rossi@quorvanel.it) and an empty contacts branch; the
# embedded server fills the contacts from its store and publishes its contacts web service.
# Run again with the same DIR: prints the port of the running slapd, or starts it again on the
# contents it had (remove DIR to start afresh). "DIR stop" stops it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || [ $# -gt 2 ] || { [ $# -eq 2 ] && [ "$2" != stop ]; }; then
  echo "Uso: $0 DIR [stop]" >&2
  exit 2
fi
dir=$(realpath -m -- "$1")
schema=$(realpath contacts/schema/invexo.schema)
case "$dir$schema" in
  *'"'* | *$'\n'* | *\\*) echo "Percorso non utilizzabile in slapd.conf: $dir" >&2; exit 2 ;;
esac

running_pid() {
  [ -s "$dir/slapd.pid" ] || return 1
  local pid
  pid=$(cat "$dir/slapd.pid")
  [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null && echo "$pid"
}

if [ "${2:-}" = stop ]; then
  if pid=$(running_pid); then
    kill "$pid"
    # Ends when slapd has closed its database, so a new start finds it whole.
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  rm -f "$dir/porta"
  exit 0
fi
if running_pid >/dev/null && [ -s "$dir/porta" ]; then
  cat "$dir/porta"
  exit 0
fi

mkdir -p "$dir/db"
rm -f "$dir/porta"
cat >"$dir/slapd.conf" <<CONF
include /etc/ldap/schema/core.schema
include /etc/ldap/schema/cosine.schema
include /etc/ldap/schema/inetorgperson.schema
include "$schema"
pidfile "$dir/slapd.pid"
modulepath /usr/lib/ldap
moduleload back_mdb
database mdb
maxsize 104857600
directory "$dir/db"
suffix "o=internet"
rootdn "cn=manager,o=internet"
rootpw krovelbin
index objectClass eq
index orbeniCode eq
index uid eq
index userLogin eq
CONF

base="dc=quorvanel,dc=it,o=internet"
cat >"$dir/seed.ldif" <<LDIF
dn: o=internet
objectClass: organization
o: internet

dn: dc=it,o=internet
objectClass: domain
dc: it

dn: $base
objectClass: domain
objectClass: invexoDomain
dc: quorvanel
wsRouterURL: 127.0.0.1:8080

dn: ou=people,$base
objectClass: organizationalUnit
ou: people

dn: ou=addressbook,$base
objectClass: organizationalUnit
ou: addressbook

dn: uid=demo,ou=people,$base
objectClass: inetOrgPerson
objectClass: invexoUser
uid: demo
cn: Utente Dimostrativo
sn: Dimostrativo
userLogin: demo@quorvanel.it

dn: uid=mrossi,ou=people,$base
objectClass: inetOrgPerson
objectClass: invexoUser
uid: mrossi
cn: Mario Rossi
sn: Rossi
userLogin: mario.rossi@quorvanel.it
LDIF

# The contents stay from one run to the next, so the demo's edits are kept.
if [ ! -s "$dir/db/data.mdb" ]; then
  /usr/sbin/slapadd -q -f "$dir/slapd.conf" -l "$dir/seed.ldif"
fi
# A free port: one nothing answers on and slapd could bind (it exits non-zero when it cannot).
started=
for _ in $(seq 1 20); do
  port=$((20000 + RANDOM % 40000))
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    continue
  fi
  if /usr/sbin/slapd -h "ldap://127.0.0.1:$port/" -f "$dir/slapd.conf" 2>/dev/null; then
    started=1
    break
  fi
done
if [ -z "$started" ]; then
  echo "slapd non si avvia (AppArmor può impedirgli di leggere $dir)" >&2
  exit 1
fi
for _ in $(seq 1 100); do
  if ldapsearch -x -H "ldap://127.0.0.1:$port/" -D "cn=manager,o=internet" -w krovelbin \
    -b "$base" -s base dn >/dev/null 2>&1; then
    echo "$port" >"$dir/porta"
    echo "$port"
    exit 0
  fi
  sleep 0.1
done
echo "slapd non risponde sulla porta $port (AppArmor può impedirgli di leggere $dir)" >&2
exit 1
