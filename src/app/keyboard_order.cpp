#include "app/keyboard_order.h"
