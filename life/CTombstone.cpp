#include "CTombstone.h"

#include <algorithm>

std::vector<CTombstone*> CTombstone::tombstones;

CTombstone::CTombstone(int atX, int atY, int stone) : variant(stone), hidden(false)
{
    x = static_cast<float>(atX);
    y = static_cast<float>(atY);
    tombstones.push_back(this);
}

CTombstone::~CTombstone()
{
    tombstones.erase(std::remove(tombstones.begin(), tombstones.end(), this), tombstones.end());
}

void CTombstone::Hide()
{
    hidden = true;
}

void CTombstone::UnHide()
{
    hidden = false;
}
void CTombstone::Pump(int, int, int) {}
void CTombstone::Rollover(bool) {}

int CTombstone::GetVariant()
{
    return variant;
}

bool CTombstone::Hidden()
{
    return hidden;
}
