// The quit dialog. For now only the least shut-down needs until the class is built.
#pragma once

class CControllerExit {
public:
    static int personImage;  // image id of the islander picture; -1 when none
};
