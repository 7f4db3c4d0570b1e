#include "database_app.h"

int main(int argc, char** argv) {
    DatabaseApp app(argc, argv);
    return app.run();
}
