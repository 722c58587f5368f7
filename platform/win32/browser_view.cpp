#include "browser_view.h"
