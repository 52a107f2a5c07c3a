// A stand-in for the double-dummy solver's library (libdds.so.0), put before the real one on
// the library path of the solver's process, that fails as the real one can: what it does when
// asked for tables is chosen by KESTO_SOLVER_DOUBLE:
//   exit   prints what the real library prints when its memory runs out, and exits with 1;
//   crash  aborts, as the library's own checks do (the sanitizers' builds catch a segmentation
//          fault themselves and exit instead);
//   hang   writes its process id to the named pipe KESTO_SOLVER_DOUBLE_FIFO, if given, then
//          waits for ever.
// Its other functions answer as the real library does for a machine of two threads.

#include <dds/dll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {

int CalcAllTablesPBN(ddTableDealsPBN*, int, int*, ddTablesRes*, allParResults*) {
    const char* behaviour = std::getenv("KESTO_SOLVER_DOUBLE");
    const std::string chosen = behaviour != nullptr ? behaviour : "";
    if (chosen == "exit") {
        std::printf("Memory::GetPtr: 0 vs. 0\n");
        std::exit(1);
    }
    if (chosen == "crash") {
        std::abort();
    }
    if (chosen == "hang") {
        if (const char* name = std::getenv("KESTO_SOLVER_DOUBLE_FIFO")) {
            FILE* fifo = std::fopen(name, "w");
            std::fprintf(fifo, "%d\n", static_cast<int>(::getpid()));
            std::fclose(fifo);
        }
        for (;;) {
            ::pause();
        }
    }
    return RETURN_UNKNOWN_FAULT;
}

int DealerParBin(ddTableResults*, parResultsMaster* par, int, int) {
    *par = parResultsMaster{};
    return RETURN_NO_FAULT;
}

void SetMaxThreads(int) {}

void GetDDSInfo(DDSInfo* info) {
    *info = DDSInfo{};
    info->noOfThreads = 2;
}

void ErrorMessage(int, char line[80]) {
    std::strcpy(line, "Not the real solver");
}

}  // extern "C"
