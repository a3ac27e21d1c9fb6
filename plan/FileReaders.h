// The readers of the files the program and kovel-cli open besides document files. Both add
// them to their DocumentFormats at start-up; a new format's reader is added here.
#pragma once

class DocumentFormats;

void AddFileReaders(DocumentFormats& formats);
