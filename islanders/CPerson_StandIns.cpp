// The side-panel portrait is still to come: until then the panel shows no
// picture for an islander.
#include "CPerson.h"

sidebar_image CPerson::GetSpriteForSidebar()
{
    return sidebar_image{-1, "", -1};
}
