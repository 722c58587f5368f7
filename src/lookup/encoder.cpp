#include "lookup/encoder.h"
