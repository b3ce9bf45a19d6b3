#include "runreset.h"

#include "classlist.h"
#include "errorreport.h"
#include "filefolder.h"
#include "globals.h"

#include <vector>

namespace {

std::vector<std::function<void()>>& keepers()
{
    static std::vector<std::function<void()>> all;
    return all;
}

} // namespace

namespace RunReset {

void onReset(std::function<void()> back)
{
    keepers().push_back(std::move(back));
}

void resetRun()
{
    ClassList::instance().forgetAll();
    Global::reset();
    FileFolder::forget();
    errorReport().reset();
    for (const auto& back : keepers())
        back();
}

} // namespace RunReset
