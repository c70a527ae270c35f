#!/bin/sh
# Builds zipcode.mdb from the zip code table in CSV: table zip, every column
# text, an empty ri, st_bunji or ed_bunji stored as a single blank, seq
# unique. A failed step leaves no zipcode.mdb behind.
# Usage: make-zipcode-db.sh zipcode.csv zipcode.mdb  (SQLITE3 names the
# sqlite3 shell when it is not on PATH)
set -e
csv=$1
out=$2
sqlite=${SQLITE3:-sqlite3}
tmp="$out.tmp"
rm -f "$tmp" "$out"
trap 'rm -f "$tmp"' EXIT
"$sqlite" -bail "$tmp" <<SQL
create table raw(seq text, zipcode text, sido text, gugun text, dong text, ri text, st_bunji text, ed_bunji text);
.import --csv --skip 1 '$csv' raw
create table zip(seq text, zipcode text, sido text, gugun text, dong text, ri text, st_bunji text, ed_bunji text);
insert into zip select seq, zipcode, sido, gugun, dong,
  case when ri = '' then ' ' else ri end,
  case when st_bunji = '' then ' ' else st_bunji end,
  case when ed_bunji = '' then ' ' else ed_bunji end
  from raw order by cast(seq as integer);
drop table raw;
create unique index zip_seq on zip(seq);
create index zip_dong on zip(dong);
create index zip_ri on zip(ri);
vacuum;
SQL
# Every data line of the CSV must have become a row whose key fits the five
# characters and whose zip code fits the seven the program reads back.
lines=$(($(wc -l <"$csv") - 1))
rows=$("$sqlite" "$tmp" 'select count(*) from zip
  where length(seq) between 1 and 5 and length(zipcode) between 1 and 7')
if [ "$rows" != "$lines" ]; then
    echo "make-zipcode-db.sh: $csv has $lines data lines, $rows usable zip rows" >&2
    exit 1
fi
mv "$tmp" "$out"
