#!/bin/sh
# Builds zipcode.mdb from the zip code table in CSV: table zip, every column
# text, an empty ri, st_bunji or ed_bunji stored as a single blank.
# Usage: make-zipcode-db.sh zipcode.csv zipcode.mdb
set -e
csv=$1
out=$2
tmp="$out.tmp"
rm -f "$tmp"
sqlite3 "$tmp" <<SQL
create table raw(seq text, zipcode text, sido text, gugun text, dong text, ri text, st_bunji text, ed_bunji text);
.import --csv --skip 1 '$csv' raw
create table zip(seq text, zipcode text, sido text, gugun text, dong text, ri text, st_bunji text, ed_bunji text);
insert into zip select seq, zipcode, sido, gugun, dong,
  case when ri = '' then ' ' else ri end,
  case when st_bunji = '' then ' ' else st_bunji end,
  case when ed_bunji = '' then ' ' else ed_bunji end
  from raw order by cast(seq as integer);
drop table raw;
create index zip_seq on zip(seq);
create index zip_dong on zip(dong);
create index zip_ri on zip(ri);
vacuum;
SQL
mv "$tmp" "$out"
