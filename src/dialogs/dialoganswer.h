#pragma once

inline bool Dialog_Answer = false;
