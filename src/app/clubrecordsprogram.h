#pragma once

// kelvane-records: asks for the club database with the file-select window,
// opens it with its setup as the club's record book, and shows Print Club
// Records on it until the user leaves it. A file that cannot be the club database is reported
// and the chooser asks again; Cancel ends at once. Returns the program's
// exit status.
int runClubRecords();

// Runs runClubRecords from the event loop and ends the program with its
// status; an error it cannot handle becomes the general error report.
void startClubRecords();
