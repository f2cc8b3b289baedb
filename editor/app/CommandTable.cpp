#include "app/CommandTable.h"

#include "ap/AcApDocManager.h"
#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/VantorellUiApp.h"
#include "commands/LinkCommands.h"
#include "db/AcDbTransactionManager.h"
#include "ed/AcEdCommandStack.h"
#include "rx/AcRxSysRegistry.h"
#include "ut/AcUtil.h"

namespace vantorell {

namespace {

using CommandBody = bool (*)();

// Runs body inside a transaction of the current document. A body that fails, or that throws
// (the host's allocation failures), has its transaction aborted and the failure reported.
template <CommandBody body>
void runInTransaction() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (document == nullptr) return;  // the host refuses drawing commands without a drawing
    AcDbTransactionManager* transactions = document->transactionManager();
    transactions->startTransaction();
    bool succeeded = false;
    try {
        succeeded = body();
    } catch (...) {
        transactions->abortTransaction();
        acutPrintf("%s", formatWithString(vantorellApp().loadResString(res::kCommandFailed),
                                          "Vantorell")
                             .GetString());
        return;
    }
    if (succeeded)
        transactions->endTransaction();
    else
        transactions->abortTransaction();
}

bool helpCommand() {
    vantorellApp().showHelp(1000);
    return true;
}

AcEdCommandStack* commandStack() {
    return AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK));
}

struct CommandRow {
    const char* name;
    AcRxFunctionPtr function;
};

const CommandRow kCommands[] = {
    {"vt_linkcreate", &runInTransaction<&linkCreateCommand>},
    {"vt_linkremove", &runInTransaction<&linkRemoveCommand>},
    {"vt_stylemgr", &runInTransaction<&styleManagerCommand>},
    {"vt_help", &runInTransaction<&helpCommand>},
    {"vt_about", &runInTransaction<&aboutCommand>},
    {"vt_update", &runInTransaction<&updateCommand>},
};

}  // namespace

void registerCommandTable() {
    AcEdCommandStack* commands = commandStack();
    if (commands == nullptr) return;
    for (const CommandRow& row : kCommands)
        commands->addCommand(kCommandGroup, row.name, row.name, 0, row.function);
}

void removeCommandTable() {
    AcEdCommandStack* commands = commandStack();
    if (commands != nullptr) commands->removeGroup(kCommandGroup);
}

}  // namespace vantorell
