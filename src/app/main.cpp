#include "app/Application.h"

int main(int argc, char* argv[])
{
    return lumidex::runApplication(argc, argv);
}
