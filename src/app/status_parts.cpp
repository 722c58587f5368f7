#include "app/status_parts.h"
