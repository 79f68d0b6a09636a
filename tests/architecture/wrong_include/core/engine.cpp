// A core file that reaches up into the shell: the layer check must find it.
#include "core/calculator.h"
#include "shell/frm_main.h"
