<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Arrange</name>
    <message numerus="yes">
        <location filename="../src/ops/ArrangeEdits.cpp" line="+92"/>
        <source>{title}: {n} sound(s) of {slots} move to another slot.</source>
        <translation>
            <numerusform>{title}: {n} sound of {slots} move to another slot.</numerusform>
            <numerusform>{title}: {n} sounds of {slots} move to another slot.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>{title}: {n} model(s) of {slots} move to another slot.</source>
        <translation>
            <numerusform>{title}: {n} model of {slots} move to another slot.</numerusform>
            <numerusform>{title}: {n} models of {slots} move to another slot.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+44"/>
        <source>Are you sure you want to arrange {slots}? {n} sound(s) move to another slot. Undo reverses it.</source>
        <translation>
            <numerusform>Are you sure you want to arrange {slots}? {n} sound move to another slot. Undo reverses it.</numerusform>
            <numerusform>Are you sure you want to arrange {slots}? {n} sounds move to another slot. Undo reverses it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to arrange {slots}? {n} model(s) move to another slot, and every sound keeps playing the same models. Undo reverses it.</source>
        <translation>
            <numerusform>Are you sure you want to arrange {slots}? {n} model move to another slot, and every sound keeps playing the same models. Undo reverses it.</numerusform>
            <numerusform>Are you sure you want to arrange {slots}? {n} models move to another slot, and every sound keeps playing the same models. Undo reverses it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClearReferences</name>
    <message numerus="yes">
        <location filename="../src/ops/FindReplace.cpp" line="+104"/>
        <source>Are you sure you want to set the {n} reference(s) to the empty model {slots} to -1 (no model)? Undo reverses it.</source>
        <translation>
            <numerusform>Are you sure you want to set the {n} reference to the empty model {slots} to -1 (no model)? Undo reverses it.</numerusform>
            <numerusform>Are you sure you want to set the {n} references to the empty model {slots} to -1 (no model)? Undo reverses it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Consolidate</name>
    <message numerus="yes">
        <location filename="../src/ops/Consolidation.cpp" line="+38"/>
        <source>{n} unused model(s) ({slots})</source>
        <translation>
            <numerusform>{n} unused model ({slots})</numerusform>
            <numerusform>{n} unused models ({slots})</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <location filename="../src/ops/HistoryEdits.cpp" line="+66"/>
        <location filename="../src/ops/RestoreEdits.cpp" line="+84"/>
        <source>{n} sound slot(s)</source>
        <translation>
            <numerusform>{n} sound slot</numerusform>
            <numerusform>{n} sound slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location filename="../src/ops/RestoreEdits.cpp" line="+2"/>
        <source>{n} model slot(s)</source>
        <translation>
            <numerusform>{n} model slot</numerusform>
            <numerusform>{n} model slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/library/UserDataFileCommands.cpp" line="+20"/>
        <source>{n} sound(s)</source>
        <translation>
            <numerusform>{n} sound</numerusform>
            <numerusform>{n} sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} tag(s)</source>
        <translation>
            <numerusform>{n} tag</numerusform>
            <numerusform>{n} tags</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} rule(s)</source>
        <translation>
            <numerusform>{n} rule</numerusform>
            <numerusform>{n} rules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} list(s)</source>
        <translation>
            <numerusform>{n} list</numerusform>
            <numerusform>{n} lists</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} source(s)</source>
        <translation>
            <numerusform>{n} source</numerusform>
            <numerusform>{n} sources</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ops/Doctor.cpp" line="+454"/>
        <source>{n} byte(s)</source>
        <translation>
            <numerusform>{n} byte</numerusform>
            <numerusform>{n} bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Dedupe</name>
    <message numerus="yes">
        <location filename="../src/ops/DedupeEdits.cpp" line="+22"/>
        <source>Are you sure you want to point every reference to a duplicate model at the lowest slot of its group and delete the {n} other cop(y|ies)? Undo reverses it.

Identical models:</source>
        <translation>
            <numerusform>Are you sure you want to point every reference to a duplicate model at the lowest slot of its group and delete the {n} other copy? Undo reverses it.

Identical models:</numerusform>
            <numerusform>Are you sure you want to point every reference to a duplicate model at the lowest slot of its group and delete the {n} other copies? Undo reverses it.

Identical models:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>... and {n} more group(s)</source>
        <translation>
            <numerusform>... and {n} more group</numerusform>
            <numerusform>... and {n} more groups</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Delete</name>
    <message numerus="yes">
        <location filename="../src/ops/DeleteEdits.cpp" line="+61"/>
        <source>The selected sound(s): {slots}.</source>
        <translation>
            <numerusform>The selected sound: {slots}.</numerusform>
            <numerusform>The selected sounds: {slots}.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The selected model(s): {slots}.</source>
        <translation>
            <numerusform>The selected model: {slots}.</numerusform>
            <numerusform>The selected models: {slots}.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>{n} sound(s) (uses|use) it: {sounds}. Deleting leaves (it|them) referring to empty model slots; removing sets (its|their) references to no model (-1).</source>
        <translation>
            <numerusform>{n} sound uses it: {sounds}. Deleting leaves it referring to empty model slots; removing sets its references to no model (-1).</numerusform>
            <numerusform>{n} sounds use it: {sounds}. Deleting leaves them referring to empty model slots; removing sets their references to no model (-1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>{n} sound(s) (uses|use) them: {sounds}. Deleting leaves (it|them) referring to empty model slots; removing sets (its|their) references to no model (-1).</source>
        <translation>
            <numerusform>{n} sound uses them: {sounds}. Deleting leaves it referring to empty model slots; removing sets its references to no model (-1).</numerusform>
            <numerusform>{n} sounds use them: {sounds}. Deleting leaves them referring to empty model slots; removing sets their references to no model (-1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message numerus="yes">
        <location filename="../src/app/AppDialogs.cpp" line="+138"/>
        <source>%n more thing(s)</source>
        <translation>
            <numerusform>%n more thing</numerusform>
            <numerusform>%n more things</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>For your information: %n reference(s) point at empty model slots. The synthesizer plays such a reference as no model; Find &amp; Replace Model (Ctrl+H) can point them at another model, and Clear References to Empty Slots sets them all to none (-1), undoably.</source>
        <translation>
            <numerusform>For your information: %n reference points at empty model slots. The synthesizer plays such a reference as no model; Find &amp; Replace Model (Ctrl+H) can point them at another model, and Clear References to Empty Slots sets them all to none (-1), undoably.</numerusform>
            <numerusform>For your information: %n references point at empty model slots. The synthesizer plays such a reference as no model; Find &amp; Replace Model (Ctrl+H) can point them at another model, and Clear References to Empty Slots sets them all to none (-1), undoably.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message numerus="yes">
        <location filename="../src/ops/Doctor.cpp" line="-126"/>
        <source>its journal is missing or proves nothing, so where the {n} (folder or file|folders and files) in its kept/ and moving/ came from is not known. --fix sets the entry aside whole in .slotsmith/aside, where you can look into them, and edits run again</source>
        <translation>
            <numerusform>its journal is missing or proves nothing, so where the {n} folder or file in its kept/ and moving/ came from is not known. --fix sets the entry aside whole in .slotsmith/aside, where you can look into them, and edits run again</numerusform>
            <numerusform>its journal is missing or proves nothing, so where the {n} folders and files in its kept/ and moving/ came from is not known. --fix sets the entry aside whole in .slotsmith/aside, where you can look into them, and edits run again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+121"/>
        <source>an edit&apos;s folder set aside, holding {n} slot (folder or file|folders or files) ({size}) that may be all that is left of them: look into it, move what you want to keep into free slots, then `slotsmith doctor DB --clear-aside {name}` deletes it</source>
        <translation>
            <numerusform>an edit&apos;s folder set aside, holding {n} slot folder or file ({size}) that may be all that is left of them: look into it, move what you want to keep into free slots, then `slotsmith doctor DB --clear-aside {name}` deletes it</numerusform>
            <numerusform>an edit&apos;s folder set aside, holding {n} slot folders or files ({size}) that may be all that is left of them: look into it, move what you want to keep into free slots, then `slotsmith doctor DB --clear-aside {name}` deletes it</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Drop</name>
    <message numerus="yes">
        <location filename="../src/ops/DropPreview.cpp" line="+62"/>
        <source>Copy {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>Copy {n} sound to slot {destination}</numerusform>
            <numerusform>Copy {n} sounds to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Copy {n} model(s) to slot {destination}</source>
        <translation>
            <numerusform>Copy {n} model to slot {destination}</numerusform>
            <numerusform>Copy {n} models to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Move {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>Move {n} sound to slot {destination}</numerusform>
            <numerusform>Move {n} sounds to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Move {n} model(s) to slot {destination}</source>
        <translation>
            <numerusform>Move {n} model to slot {destination}</numerusform>
            <numerusform>Move {n} models to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Import {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>Import {n} sound to slot {destination}</numerusform>
            <numerusform>Import {n} sounds to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Place {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>Place {n} sound to slot {destination}</numerusform>
            <numerusform>Place {n} sounds to slot {destination}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>A block of {n} sound(s) does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</source>
        <translation>
            <numerusform>A block of {n} sound does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</numerusform>
            <numerusform>A block of {n} sounds does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>A block of {n} model(s) does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</source>
        <translation>
            <numerusform>A block of {n} model does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</numerusform>
            <numerusform>A block of {n} models does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+69"/>
        <source>{runs} and {n} more run(s) of sounds</source>
        <translation>
            <numerusform>{runs} and {n} more run of sounds</numerusform>
            <numerusform>{runs} and {n} more runs of sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{runs} and {n} more run(s) of models</source>
        <translation>
            <numerusform>{runs} and {n} more run of models</numerusform>
            <numerusform>{runs} and {n} more runs of models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>the references of {n} sound(s) follow</source>
        <translation>
            <numerusform>the references of {n} sound follow</numerusform>
            <numerusform>the references of {n} sounds follow</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>{n} occupied sound(s) (leaves|leave) the bank</source>
        <translation>
            <numerusform>{n} occupied sound leaves the bank</numerusform>
            <numerusform>{n} occupied sounds leave the bank</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} occupied model(s) (leaves|leave) the bank</source>
        <translation>
            <numerusform>{n} occupied model leaves the bank</numerusform>
            <numerusform>{n} occupied models leave the bank</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindReplace</name>
    <message numerus="yes">
        <location filename="../src/cli/ReplaceCommand.cpp" line="+50"/>
        <source>Would replace {n} occurrences.</source>
        <translation>
            <numerusform>Would replace {n} occurrences.</numerusform>
            <numerusform>Would replace {n} occurrences.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location filename="../src/ops/FindReplace.cpp" line="-84"/>
        <source>Replaced {n} occurrences.</source>
        <translation>
            <numerusform>Replaced {n} occurrences.</numerusform>
            <numerusform>Replaced {n} occurrences.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message numerus="yes">
        <location filename="../src/ops/Edits.cpp" line="+375"/>
        <source>Are you sure you want to delete the undo data of {n} edit(s)? None of them can be undone or redone afterwards; the slots stay as they are.</source>
        <translation>
            <numerusform>Are you sure you want to delete the undo data of {n} edit? None of them can be undone or redone afterwards; the slots stay as they are.</numerusform>
            <numerusform>Are you sure you want to delete the undo data of {n} edits? None of them can be undone or redone afterwards; the slots stay as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ops/HistoryEdits.cpp" line="+2"/>
        <source>{n} sound script(s)</source>
        <translation>
            <numerusform>{n} sound script</numerusform>
            <numerusform>{n} sound scripts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+84"/>
        <source>The history holds {n} edit(s) made elsewhere, which is never undone or redone here; `slotsmith history DB --adopt` makes it yours if it is.</source>
        <translation>
            <numerusform>The history holds {n} edit made elsewhere, which is never undone or redone here; `slotsmith history DB --adopt` makes it yours if it is.</numerusform>
            <numerusform>The history holds {n} edits made elsewhere, which is never undone or redone here; `slotsmith history DB --adopt` makes it yours if it is.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message numerus="yes">
        <location filename="../src/ops/ImportEdits.cpp" line="+250"/>
        <source>The import needs {n} free model slot(s) (no folder, no sound referring to them), and this database has {free}. Nothing was changed.</source>
        <translation>
            <numerusform>The import needs {n} free model slot (no folder, no sound referring to them), and this database has {free}. Nothing was changed.</numerusform>
            <numerusform>The import needs {n} free model slots (no folder, no sound referring to them), and this database has {free}. Nothing was changed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+113"/>
        <source>{n} identical one(s)</source>
        <translation>
            <numerusform>{n} identical one</numerusform>
            <numerusform>{n} identical ones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>{n} model(s) (is|are) copied, {reused} reused.</source>
        <translation>
            <numerusform>{n} model is copied, {reused} reused.</numerusform>
            <numerusform>{n} models are copied, {reused} reused.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+45"/>
        <source>sound slot(s) {runs} of {source}</source>
        <translation>
            <numerusform>sound slot {runs} of {source}</numerusform>
            <numerusform>sound slots {runs} of {source}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Nothing was changed: {sounds} (is|are) empty, and an edit that places brings only sounds. Choose slots that hold one.</source>
        <translation>
            <numerusform>Nothing was changed: {sounds} is empty, and an edit that places brings only sounds. Choose slots that hold one.</numerusform>
            <numerusform>Nothing was changed: {sounds} are empty, and an edit that places brings only sounds. Choose slots that hold one.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Nothing was changed: {sounds} (is|are) empty, and an import brings only sounds. Choose slots that hold one.</source>
        <translation>
            <numerusform>Nothing was changed: {sounds} is empty, and an import brings only sounds. Choose slots that hold one.</numerusform>
            <numerusform>Nothing was changed: {sounds} are empty, and an import brings only sounds. Choose slots that hold one.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+63"/>
        <source>{n} occupied sound slot(s)</source>
        <translation>
            <numerusform>{n} occupied sound slot</numerusform>
            <numerusform>{n} occupied sound slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Nothing was changed: {n} (sound does|sounds do) not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or place fewer sounds.</source>
        <translation>
            <numerusform>Nothing was changed: {n} sound does not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or place fewer sounds.</numerusform>
            <numerusform>Nothing was changed: {n} sounds do not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or place fewer sounds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Nothing was changed: {n} (sound does|sounds do) not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or import fewer sounds.</source>
        <translation>
            <numerusform>Nothing was changed: {n} sound does not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or import fewer sounds.</numerusform>
            <numerusform>Nothing was changed: {n} sounds do not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or import fewer sounds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <source>Are you sure you want to import {n} sound(s) starting at slot #{first} of {source} to slot #{destination}?</source>
        <translation>
            <numerusform>Are you sure you want to import {n} sound starting at slot #{first} of {source} to slot #{destination}?</numerusform>
            <numerusform>Are you sure you want to import {n} sounds starting at slot #{first} of {source} to slot #{destination}?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+84"/>
        <source>Are you sure you want to import {n} model(s) from {source}?</source>
        <translation>
            <numerusform>Are you sure you want to import {n} model from {source}?</numerusform>
            <numerusform>Are you sure you want to import {n} models from {source}?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Leaving</name>
    <message numerus="yes">
        <location filename="../src/ops/EditRunner.cpp" line="+188"/>
        <source>{n} occupied sound slot(s) will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</source>
        <translation>
            <numerusform>{n} occupied sound slot will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</numerusform>
            <numerusform>{n} occupied sound slots will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>{n} occupied model slot(s) will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</source>
        <translation>
            <numerusform>{n} occupied model slot will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</numerusform>
            <numerusform>{n} occupied model slots will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message numerus="yes">
        <location filename="../src/library/Lists.cpp" line="+228"/>
        <source>{name} has {n} sound(s); positions count from 1. Nothing was removed.</source>
        <translation>
            <numerusform>{name} has {n} sound; positions count from 1. Nothing was removed.</numerusform>
            <numerusform>{name} has {n} sounds; positions count from 1. Nothing was removed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+44"/>
        <source>{name} has {n} sound(s); positions count from 1. Nothing was moved.</source>
        <translation>
            <numerusform>{name} has {n} sound; positions count from 1. Nothing was moved.</numerusform>
            <numerusform>{name} has {n} sounds; positions count from 1. Nothing was moved.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message numerus="yes">
        <location filename="../src/ops/QuestionText.cpp" line="+17"/>
        <source>{items} … and {n} more</source>
        <translation>
            <numerusform>{items} … and {n} more</numerusform>
            <numerusform>{items} … and {n} more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+28"/>
        <source>slot(s) {runs}</source>
        <translation>
            <numerusform>slot {runs}</numerusform>
            <numerusform>slots {runs}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ops/EditRunner.cpp" line="-168"/>
        <location filename="../src/ops/RenameEdits.cpp" line="+112"/>
        <source>... and {n} more</source>
        <translation>
            <numerusform>... and {n} more</numerusform>
            <numerusform>... and {n} more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message numerus="yes">
        <location filename="../src/ops/ImportEdits.cpp" line="-41"/>
        <source>Are you sure you want to place the {n} sound(s) of list {list} at slot #{destination}?</source>
        <translation>
            <numerusform>Are you sure you want to place the {n} sound of list {list} at slot #{destination}?</numerusform>
            <numerusform>Are you sure you want to place the {n} sounds of list {list} at slot #{destination}?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Are you sure you want to place {n} sound(s) from the library at slot #{destination}?</source>
        <translation>
            <numerusform>Are you sure you want to place {n} sound from the library at slot #{destination}?</numerusform>
            <numerusform>Are you sure you want to place {n} sounds from the library at slot #{destination}?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message numerus="yes">
        <location filename="../src/app/DesktopQuestions.cpp" line="+26"/>
        <source>%n occupied sound slot(s)</source>
        <translation>
            <numerusform>%n occupied sound slot</numerusform>
            <numerusform>%n occupied sound slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n occupied model slot(s)</source>
        <translation>
            <numerusform>%n occupied model slot</numerusform>
            <numerusform>%n occupied model slots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message numerus="yes">
        <location filename="../src/ops/Edits.cpp" line="-132"/>
        <source>This database holds {n} unfinished edit(s) made elsewhere (on another computer, by another user or an earlier version of Slotsmith), which Slotsmith does not carry out. Nothing was changed.
`slotsmith doctor {root}` shows where its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits can run again, and `--fix --adopt` finishes or rolls it back when it proves to be your own.</source>
        <translation>
            <numerusform>This database holds {n} unfinished edit made elsewhere (on another computer, by another user or an earlier version of Slotsmith), which Slotsmith does not carry out. Nothing was changed.
`slotsmith doctor {root}` shows where its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits can run again, and `--fix --adopt` finishes or rolls it back when it proves to be your own.</numerusform>
            <numerusform>This database holds {n} unfinished edits made elsewhere (on another computer, by another user or an earlier version of Slotsmith), which Slotsmith does not carry out. Nothing was changed.
`slotsmith doctor {root}` shows where its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits can run again, and `--fix --adopt` finishes or rolls it back when it proves to be your own.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message numerus="yes">
        <location filename="../src/ops/RenameEdits.cpp" line="-9"/>
        <source>Are you sure you want to rename {n} sound(s)? Undo reverses it.</source>
        <translation>
            <numerusform>Are you sure you want to rename {n} sound? Undo reverses it.</numerusform>
            <numerusform>Are you sure you want to rename {n} sounds? Undo reverses it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Are you sure you want to rename {n} model(s)? Undo reverses it.</source>
        <translation>
            <numerusform>Are you sure you want to rename {n} model? Undo reverses it.</numerusform>
            <numerusform>Are you sure you want to rename {n} models? Undo reverses it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message numerus="yes">
        <location filename="../src/app/Summaries.cpp" line="+27"/>
        <location line="+174"/>
        <location line="+40"/>
        <location line="+10"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-223"/>
        <location line="+195"/>
        <location line="+19"/>
        <location line="+10"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-196"/>
        <source>%n reference(s)</source>
        <translation>
            <numerusform>%n reference</numerusform>
            <numerusform>%n references</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n unused model(s)</source>
        <translation>
            <numerusform>%n unused model</numerusform>
            <numerusform>%n unused models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>%n sound slot(s)</source>
        <translation>
            <numerusform>%n sound slot</numerusform>
            <numerusform>%n sound slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n model slot(s)</source>
        <translation>
            <numerusform>%n model slot</numerusform>
            <numerusform>%n model slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+81"/>
        <source>%n entr(ies)</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n thing(s)</source>
        <translation>
            <numerusform>%n thing</numerusform>
            <numerusform>%n things</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <location line="+25"/>
        <source>%n empty slot(s)</source>
        <translation>
            <numerusform>%n empty slot</numerusform>
            <numerusform>%n empty slots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message numerus="yes">
        <location filename="../src/cli/Command.cpp" line="+316"/>
        <source>Note: this database holds {n} entr(y|ies) of undo history made elsewhere (on another computer, by another user or an earlier version), left as they are: `slotsmith doctor {database}` shows them.</source>
        <translation>
            <numerusform>Note: this database holds {n} entry of undo history made elsewhere (on another computer, by another user or an earlier version), left as they are: `slotsmith doctor {database}` shows them.</numerusform>
            <numerusform>Note: this database holds {n} entries of undo history made elsewhere (on another computer, by another user or an earlier version), left as they are: `slotsmith doctor {database}` shows them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+34"/>
        <source>Dry run: {title}, {n} steps; nothing was changed.</source>
        <translation>
            <numerusform>Dry run: {title}, {n} steps; nothing was changed.</numerusform>
            <numerusform>Dry run: {title}, {n} steps; nothing was changed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+28"/>
        <source>{title}: done ({n} steps).</source>
        <translation>
            <numerusform>{title}: done ({n} steps).</numerusform>
            <numerusform>{title}: done ({n} steps).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli backup</name>
    <message numerus="yes">
        <location filename="../src/cli/packs/BackupCommands.cpp" line="+45"/>
        <source>Backed up {n} files to {path}.</source>
        <translation>
            <numerusform>Backed up {n} files to {path}.</numerusform>
            <numerusform>Backed up {n} files to {path}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli doctor</name>
    <message numerus="yes">
        <location filename="../src/cli/DoctorCommand.cpp" line="+169"/>
        <source>Adopt {n} unfinished edit(s) made elsewhere as your own? Only do so if you made it, on another computer or with an earlier version: it is then checked and finished or rolled back, which moves slot folders.</source>
        <translation>
            <numerusform>Adopt {n} unfinished edit made elsewhere as your own? Only do so if you made it, on another computer or with an earlier version: it is then checked and finished or rolled back, which moves slot folders.</numerusform>
            <numerusform>Adopt {n} unfinished edits made elsewhere as your own? Only do so if you made it, on another computer or with an earlier version: it is then checked and finished or rolled back, which moves slot folders.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli export</name>
    <message numerus="yes">
        <location filename="../src/cli/packs/ExportCommand.cpp" line="+52"/>
        <source>Exported {n} sounds and {models} models to {path}.</source>
        <translation>
            <numerusform>Exported {n} sounds and {models} models to {path}.</numerusform>
            <numerusform>Exported {n} sounds and {models} models to {path}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli history</name>
    <message numerus="yes">
        <location filename="../src/cli/HistoryCommand.cpp" line="+131"/>
        <source>Make {n} edit(s) made elsewhere your own, so that they can be undone and redone here? Only do so if you made them (on another computer, say).</source>
        <translation>
            <numerusform>Make {n} edit made elsewhere your own, so that they can be undone and redone here? Only do so if you made them (on another computer, say).</numerusform>
            <numerusform>Make {n} edits made elsewhere your own, so that they can be undone and redone here? Only do so if you made them (on another computer, say).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library</name>
    <message numerus="yes">
        <location filename="../src/cli/library/LibraryCommand.cpp" line="+119"/>
        <source>{n} sounds</source>
        <translation>
            <numerusform>{n} sounds</numerusform>
            <numerusform>{n} sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} models</source>
        <translation>
            <numerusform>{n} models</numerusform>
            <numerusform>{n} models</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library list add</name>
    <message numerus="yes">
        <location filename="../src/cli/library/LibraryListCommands.cpp" line="+129"/>
        <source>Added {n} sound(s) to {name}.</source>
        <translation>
            <numerusform>Added {n} sound to {name}.</numerusform>
            <numerusform>Added {n} sounds to {name}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library list move</name>
    <message numerus="yes">
        <location line="+68"/>
        <source>Moved {n} sound(s) in {name}.</source>
        <translation>
            <numerusform>Moved {n} sound in {name}.</numerusform>
            <numerusform>Moved {n} sounds in {name}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library list remove</name>
    <message numerus="yes">
        <location line="-34"/>
        <source>Removed {n} sound(s) from {name}.</source>
        <translation>
            <numerusform>Removed {n} sound from {name}.</numerusform>
            <numerusform>Removed {n} sounds from {name}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library rules</name>
    <message numerus="yes">
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="+23"/>
        <source>The rules give {n} tags now.</source>
        <translation>
            <numerusform>The rules give {n} tags now.</numerusform>
            <numerusform>The rules give {n} tags now.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli restore</name>
    <message numerus="yes">
        <location filename="../src/cli/packs/BackupCommands.cpp" line="+66"/>
        <source>Restored {n} files into {path}.</source>
        <translation>
            <numerusform>Restored {n} files into {path}.</numerusform>
            <numerusform>Restored {n} files into {path}.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli verify</name>
    <message numerus="yes">
        <location line="-39"/>
        <source>{path}: {n} files, every one as it was backed up.</source>
        <translation>
            <numerusform>{path}: {n} files, every one as it was backed up.</numerusform>
            <numerusform>{path}: {n} files, every one as it was backed up.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::AppMenus</name>
    <message numerus="yes">
        <location filename="../src/app/AppMenus.cpp" line="+434"/>
        <source>Cleared %n thing(s) left over</source>
        <translation>
            <numerusform>Cleared %n thing left over</numerusform>
            <numerusform>Cleared %n things left over</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::BackupActions</name>
    <message numerus="yes">
        <location filename="../src/app/packs/BackupActions.cpp" line="+96"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::DesktopEdits</name>
    <message numerus="yes">
        <location filename="../src/app/DesktopEdits.cpp" line="+136"/>
        <source>%n occupied slot(s)</source>
        <translation>
            <numerusform>%n occupied slot</numerusform>
            <numerusform>%n occupied slots</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::DropPreviewer</name>
    <message numerus="yes">
        <location filename="../src/app/DropPreviewer.cpp" line="+102"/>
        <source>%n sound(s) from the library cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</source>
        <translation>
            <numerusform>%n sound from the library cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</numerusform>
            <numerusform>%n sounds from the library cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n sound(s) from a pack cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</source>
        <translation>
            <numerusform>%n sound from a pack cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</numerusform>
            <numerusform>%n sounds from a pack cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n occupied sound(s)</source>
        <translation>
            <numerusform>%n occupied sound</numerusform>
            <numerusform>%n occupied sounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::DuplicatesWindow</name>
    <message numerus="yes">
        <location filename="../src/app/DuplicatesWindow.cpp" line="+162"/>
        <source>%n group(s) of duplicate models</source>
        <translation>
            <numerusform>%n group of duplicate models</numerusform>
            <numerusform>%n groups of duplicate models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n group(s) of duplicate sounds</source>
        <translation>
            <numerusform>%n group of duplicate sounds</numerusform>
            <numerusform>%n groups of duplicate sounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::EditActions</name>
    <message numerus="yes">
        <location filename="../src/app/EditActions.cpp" line="+174"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryActions</name>
    <message numerus="yes">
        <location filename="../src/app/library/LibraryActions.cpp" line="+88"/>
        <source>Tag for %n selected sound(s):</source>
        <translation>
            <numerusform>Tag for %n selected sound:</numerusform>
            <numerusform>Tag for %n selected sounds:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>Nothing was placed: no place holds %n of the sounds now: %1</source>
        <translation>
            <numerusform>Nothing was placed: no place holds %n of the sounds now: %1</numerusform>
            <numerusform>Nothing was placed: no place holds %n of the sounds now: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryRulesDialog</name>
    <message numerus="yes">
        <location filename="../src/app/library/LibraryRulesDialog.cpp" line="+211"/>
        <source>The rules give %n tag(s) now.</source>
        <translation>
            <numerusform>The rules give %n tag now.</numerusform>
            <numerusform>The rules give %n tags now.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryWindow</name>
    <message numerus="yes">
        <location filename="../src/app/library/LibraryWindow.cpp" line="+99"/>
        <source>%n source(s) read again.</source>
        <translation>
            <numerusform>%n source read again.</numerusform>
            <numerusform>%n sources read again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n could not be read: %1</source>
        <translation>
            <numerusform>%n could not be read: %1</numerusform>
            <numerusform>%n could not be read: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>%n source(s) had changed and were read again.</source>
        <translation>
            <numerusform>%n source had changed and was read again.</numerusform>
            <numerusform>%n sources had changed and were read again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+462"/>
        <location line="+92"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-91"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+173"/>
        <source>%n sounds selected</source>
        <translation>
            <numerusform>%n sound selected</numerusform>
            <numerusform>%n sounds selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+218"/>
        <source>%n sound(s) marked as favourites.</source>
        <translation>
            <numerusform>%n sound marked as a favourite.</numerusform>
            <numerusform>%n sounds marked as favourites.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n sound(s) tagged %1.</source>
        <translation>
            <numerusform>%n sound tagged %1.</numerusform>
            <numerusform>%n sounds tagged %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+51"/>
        <source>%n sound(s) added to %1.</source>
        <translation>
            <numerusform>%n sound added to %1.</numerusform>
            <numerusform>%n sounds added to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+190"/>
        <source>%n source(s) added.</source>
        <translation>
            <numerusform>%n source added.</numerusform>
            <numerusform>%n sources added.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::PackActions</name>
    <message numerus="yes">
        <location filename="../src/app/packs/PackActions.cpp" line="+181"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
</context>
</TS>
