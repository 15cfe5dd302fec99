/* Loads the stand-in driver library as any C program would and checks what it
 * reports against the cards named on the command line:
 *
 *   stand_in_driver_check LIBRARY [--bad MESSAGE-PART] [DEVICEID:BASE ...]
 *
 * With --bad the card list in the environment is malformed: the library must
 * write exactly one line containing MESSAGE-PART to standard error and report
 * no cards. Otherwise it must stay silent and report exactly the given cards.
 * Exits with 0 when every check holds. */

#include "ORVDRV.h"

#include <dlfcn.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static const char* const EntryPoints[] = {
    "GetNumCards",
    "QueryCardInfo",
    "QueryBARBase",
    "WaitForIRQ",
    "COSWaitForIRQ",
    "WDGHandleIRQ",
    "AbortRequest",
    "CloseCard",
    "WDGInit",
    "WDGSetTimeout",
    "WDGSetResetDuration",
    "WDGPet",
    "WDGReadTemp",
    "WDGReadStatus",
    "WDGStart",
    "WDGStop",
    "EmergencyReboot",
    "InPortB",
    "OutPortB",
    "InPort",
    "OutPort",
    "InPortL",
    "OutPortL",
    "InPortDWord",
    "OutPortDWord",
    "RelInPortB",
    "RelOutPortB",
    "RelInPort",
    "RelOutPort",
    "RelInPortL",
    "RelOutPortL",
    "RelInPortDWord",
    "RelOutPortDWord",
};
enum { EntryPointCount = sizeof EntryPoints / sizeof EntryPoints[0] };

static int Failures = 0;

static void Fail(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    fputs("FAILED: ", stdout);
    vprintf(format, arguments);
    fputs("\n", stdout);
    va_end(arguments);
    ++Failures;
}

/* Standard error goes to a temporary file while the library is asked about
 * its cards, so that what it writes there can be checked. */
static FILE* Captured;
static int SavedStandardError;

static void StartCapture(void) {
    fflush(stderr);
    Captured = tmpfile();
    SavedStandardError = dup(STDERR_FILENO);
    if (Captured == NULL || SavedStandardError < 0 || dup2(fileno(Captured), STDERR_FILENO) < 0) {
        perror("capturing standard error");
        exit(2);
    }
}

static char* StopCapture(void) {
    fflush(stderr);
    dup2(SavedStandardError, STDERR_FILENO);
    close(SavedStandardError);
    long size = ftell(Captured);
    char* text = calloc((size_t)size + 1, 1);
    rewind(Captured);
    if (text == NULL || fread(text, 1, (size_t)size, Captured) != (size_t)size) {
        perror("reading captured standard error");
        exit(2);
    }
    fclose(Captured);
    return text;
}

static int CountLines(const char* text) {
    int lines = 0;
    for (; *text != '\0'; ++text)
        lines += *text == '\n';
    return lines;
}

static void CheckListedCards(TGetNumCards getNumCards, TQueryCardInfo queryCardInfo, int expected,
                             char** cards) {
    int32_t count = getNumCards();
    if (count != expected)
        Fail("GetNumCards gave %d, expected %d", (int)count, expected);
    if (getNumCards() != count)
        Fail("GetNumCards changed between calls");
    for (int i = 0; i < expected && i < count; ++i) {
        char* colon;
        const unsigned long wantedID = strtoul(cards[i], &colon, 16);
        const unsigned long wantedBase = strtoul(colon + 1, NULL, 16);
        int32_t deviceID = -1;
        uint32_t base = 0xDEADBEEF;
        if (queryCardInfo(i, &deviceID, &base, NULL, NULL) == 0)
            Fail("QueryCardInfo(%d) failed", i);
        else if ((uint32_t)deviceID != wantedID || base != wantedBase)
            Fail("QueryCardInfo(%d) gave %X:%X, expected %s", i, (unsigned)deviceID, (unsigned)base,
                 cards[i]);
        if (queryCardInfo(i, NULL, NULL, NULL, NULL) == 0)
            Fail("QueryCardInfo(%d) with null outputs failed", i);
    }
}

static void CheckOutOfRangeQueriesWriteNothing(TQueryCardInfo queryCardInfo, int32_t count) {
    const int32_t indices[] = {-1, count, count + 1};
    for (size_t i = 0; i < sizeof indices / sizeof indices[0]; ++i) {
        int32_t deviceID = 0x1234;
        uint32_t base = 0x5678;
        if (queryCardInfo(indices[i], &deviceID, &base, NULL, NULL) != 0)
            Fail("QueryCardInfo(%d) succeeded outside the list", (int)indices[i]);
        if (deviceID != 0x1234 || base != 0x5678)
            Fail("QueryCardInfo(%d) wrote outside the list", (int)indices[i]);
    }
}

/* Every entry point that returns a status reports failure, even for a listed
 * card, and writes nothing. */
static void CheckOtherOperationsFail(void* library) {
    uint32_t out = 0x5678;
    int32_t temperature = 0x1234;
#define STATUS(name, ...)                                                                          \
    { #name, ((T##name)dlsym(library, #name))(__VA_ARGS__) }
    const struct {
        const char* Name;
        int32_t Status;
    } results[] = {
        STATUS(QueryBARBase, 0, 0, &out),
        STATUS(WaitForIRQ, 0),
        STATUS(COSWaitForIRQ, 0, &out),
        STATUS(WDGHandleIRQ, 0),
        STATUS(AbortRequest, 0),
        STATUS(CloseCard, 0),
        STATUS(WDGInit, 0),
        STATUS(WDGSetTimeout, 0, 1000),
        STATUS(WDGSetResetDuration, 0, 1000),
        STATUS(WDGPet, 0),
        STATUS(WDGReadTemp, 0, &temperature),
        STATUS(WDGReadStatus, 0, &out),
        STATUS(WDGStart, 0),
        STATUS(WDGStop, 0),
        STATUS(EmergencyReboot, 0),
    };
#undef STATUS
    for (size_t i = 0; i < sizeof results / sizeof results[0]; ++i)
        if (results[i].Status != 0)
            Fail("%s reported success", results[i].Name);
    if (out != 0x5678 || temperature != 0x1234)
        Fail("a failed operation wrote its output");
}

static void CheckStandardError(const char* text, const char* badPart) {
    if (badPart == NULL) {
        if (*text != '\0')
            Fail("unexpected complaint: %s", text);
        return;
    }
    if (CountLines(text) != 1 || text[strlen(text) - 1] != '\n')
        Fail("expected one line on standard error, got: \"%s\"", text);
    if (strstr(text, badPart) == NULL)
        Fail("complaint \"%s\" does not contain \"%s\"", text, badPart);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s LIBRARY [--bad MESSAGE-PART] [DEVICEID:BASE ...]\n", argv[0]);
        return 2;
    }
    void* library = dlopen(argv[1], RTLD_NOW);
    if (library == NULL) {
        printf("FAILED: %s\n", dlerror());
        return 1;
    }
    const char* badPart = NULL;
    int first = 2;
    if (argc > 3 && strcmp(argv[2], "--bad") == 0) {
        badPart = argv[3];
        first = 4;
    }

    for (int i = 0; i < EntryPointCount; ++i)
        if (dlsym(library, EntryPoints[i]) == NULL)
            Fail("%s is not exported", EntryPoints[i]);
    if (Failures != 0)
        return 1;

    TGetNumCards getNumCards = (TGetNumCards)dlsym(library, "GetNumCards");
    TQueryCardInfo queryCardInfo = (TQueryCardInfo)dlsym(library, "QueryCardInfo");
    StartCapture();
    CheckListedCards(getNumCards, queryCardInfo, argc - first, argv + first);
    CheckOutOfRangeQueriesWriteNothing(queryCardInfo, getNumCards());
    CheckOtherOperationsFail(library);
    char* complaint = StopCapture();
    CheckStandardError(complaint, badPart);
    free(complaint);

    if (Failures == 0)
        printf("passed\n");
    return Failures == 0 ? 0 : 1;
}
