#include "form_runtime.h"
