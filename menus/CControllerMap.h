// The island map screen. For now only the least shut-down needs until the class is built.
#pragma once

class CSprite;

class CControllerMap {
public:
    static CSprite* sMap;  // the mini-map sprite; null when none
};
