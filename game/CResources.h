// The stock of resources. For now only the least start-up and shut-down need until the class is built.
#pragma once

class CResources {
public:
    CResources();
    // Shut-down deletes the stock through this.
    virtual ~CResources();
};
