#pragma once

// kelvane-records: asks for the club database with the file-select window,
// opens it as Club_DB with its setup, and shows Print Club Records until
// the user leaves it. Cancel in the file-select window ends at once.
// Returns the program's exit status.
int runClubRecords();
