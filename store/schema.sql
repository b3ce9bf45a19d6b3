-- The study database, KELVAROX.MDB. The program never creates or alters this
-- schema; the build makes an empty database from this file for a new
-- installation.
--
-- RECORD is an AUTOINCREMENT key so that the number of a deleted study is never
-- handed out again: answers and arrangements are keyed by it.
PRAGMA user_version = 1;

CREATE TABLE SOCIOMETRY (
    RECORD        INTEGER PRIMARY KEY AUTOINCREMENT,
    NAME          TEXT,
    GROUPSIZE     INTEGER,
    CHOICES       INTEGER,
    QUESTION      TEXT,
    CRITERIONTYPE INTEGER
);
CREATE UNIQUE INDEX "PRIMARY" ON SOCIOMETRY (RECORD);

CREATE TABLE SOCIDATA (
    HEADER     INTEGER,
    ANSWERTYPE INTEGER,
    INDIVIDUAL INTEGER,
    CHOICE     INTEGER,
    ANSWER     REAL
);
CREATE INDEX "ALTERNATE" ON SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE);

CREATE TABLE POSITION (
    HEADER    INTEGER,
    SOCIOGRAM INTEGER,
    LABEL     INTEGER,
    X         INTEGER,
    Y         INTEGER
);
