#include "lookup/commands.h"
