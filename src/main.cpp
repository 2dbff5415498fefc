#include "core/AppEnvironment.h"
#include "core/Logger.h"

int main(int argc, char** argv) {
    setProgramArguments(argc, argv);
    Logger logger(getUserFilesFolder() + u"/" + BUILD_IDENTIFIER + u".log");
    VEK_LOG(u"%s", getVersionString());
    return 0;
}
