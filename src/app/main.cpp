#include "app/Application.h"

int main() {
    return runApplication();
}
