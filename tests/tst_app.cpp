#include "TestSupport.h"
#include "app/AppFunctions.h"
int main() { return 0; }
