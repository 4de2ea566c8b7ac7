#include "display/Picture1.h"
