#include "CPerson.h"

void CPerson::PreLoadClothes() {}

void CPerson::UnPreLoadClothes() {}
