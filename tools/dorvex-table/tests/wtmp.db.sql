-- The history of wtmp.dump and wtmp.1.dump as wtmpdb keeps it: one row per
-- boot (its logout the shutdown) and per login, times in microseconds.
CREATE TABLE wtmp(ID INTEGER PRIMARY KEY, Type INTEGER, User TEXT NOT NULL, Login INTEGER,
                  Logout INTEGER, TTY TEXT, RemoteHost TEXT, Service TEXT);
INSERT INTO wtmp VALUES(1, 1, 'reboot', 1235869200000000, 1235912461000000, '~', '', '');
INSERT INTO wtmp VALUES(2, 3, 'zhang', 1235869500000000, 1235908800000000, 'tty1', '', 'login');
INSERT INTO wtmp VALUES(3, 3, 'root', 1235877000250000, 1235880000000000, 'pts/0', '192.168.1.20', 'sshd');
INSERT INTO wtmp VALUES(4, 1, 'reboot', 1236211200000000, NULL, '~', '', '');
INSERT INTO wtmp VALUES(5, 3, 'li', 1236211800000000, NULL, 'tty1', '', 'login');
INSERT INTO wtmp VALUES(6, 1, 'reboot', 1236643200000000, NULL, '~', '', '');
INSERT INTO wtmp VALUES(7, 3, 'wang', 1236643320000000, 1236645000000000, 'pts/0', '10.0.0.7', 'sshd');
INSERT INTO wtmp VALUES(8, 3, 'wang', 1236646800000000, NULL, 'pts/1', '10.0.0.7', 'sshd');
