#include "CPerson.h"

bool CPerson::didRollover = false;

void CPerson::PreLoadClothes() {}
void CPerson::UnPreLoadClothes() {}
