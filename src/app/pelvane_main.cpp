// The two-head program.
#include "app/application.h"

int main(int argc, char* argv[]) { return pv::app::RunApplication(argc, argv, pv::Edition::TwoHead); }
