#include "CSidebar.h"

bool CSidebar::IsMouseOver()
{
    return false;
}
