#include "feedback/browser_handlers.h"
