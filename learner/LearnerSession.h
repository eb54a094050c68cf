#pragma once
// The learner at work: who is logged in and their settings. The program owns one for its whole
// run (values of the last login; not cleared at logout) and hands it to the screens that read
// or change it; tests make their own.

#include "learner/Struct_Config.h"
#include "learner/TUser.h"

namespace Learner {

struct TLearnerSession
{
    TUser User;
    LearnerSettings Settings = LearnerSettings::Defaults();
    // A learner is logged in now (set by login, cleared by logout); User keeps the last one.
    bool LoggedIn = false;
};

} // namespace Learner
