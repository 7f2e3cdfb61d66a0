-- The bullet databases: centerfire.db, rimfire.db and airgun.db are built from the CSV files in
-- data/bullets; custom.db starts empty and receives the user's own bullets.
--
-- One row per ballistic-coefficient band of a bullet. A bullet is identified by man, desc,
-- weight and model; its bands follow each other in ascending velmin, the first starting at 0.
--
-- Column types are chosen for how the program reads and writes them:
--  * ID is a plain INTEGER, not a primary key: every bullet added by hand carries 0. SQLite's
--    rowid is the real key of a row.
--  * velmin and velmax are NUMERIC: numbers are kept as numbers, and the text "max" (an open
--    top band) is kept as text. A bullet added by hand gets the text '0', stored as the number 0.
--  * diam, len and weight are NUMERIC too: an integral weight is stored as an integer, so its
--    text form, which the LIKE filters match, is "168" rather than "168.0"; 0.308 reads "0.308".
--  * len is NULL when the length is unknown (none of the shipped bullets has one).
CREATE TABLE bullets (
    ID INTEGER,
    man TEXT,
    diam NUMERIC,
    "desc" TEXT,
    BC REAL,
    velmin NUMERIC,
    velmax NUMERIC,
    len NUMERIC,
    weight NUMERIC,
    catnum TEXT,
    model TEXT
);

-- One row per bullet, for the bullet list. A view, so that bullets added to the custom database
-- are listed at once. The other columns are the same on every band of a bullet.
CREATE VIEW bullet_single AS
SELECT man, diam, weight, "desc", len, catnum, model
FROM bullets
GROUP BY man, "desc", weight, model;
