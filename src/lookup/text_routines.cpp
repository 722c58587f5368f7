#include "lookup/text_routines.h"
