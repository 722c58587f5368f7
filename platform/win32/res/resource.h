#pragma once
#define IDI_VELLUMIX 1
