#include "shell/tablewise_app.h"

int main(int argc, char** argv) { return RunTablewise(argc, argv); }
