// shipyard, the project's asset tool: one function per command.
#pragma once

// Each takes the arguments after the command word and returns the process exit status.
int TextureCommand(int argc, char** argv);  // shipyard texture IN OUT
int ModelCommand(int argc, char** argv);    // shipyard model IN
int RenderCommand(int argc, char** argv);   // shipyard render [--size N] IN OUT.png
int GenerateCommand(int argc, char** argv); // shipyard generate DIR
int ReplayCommand(int argc, char** argv);   // shipyard replay [--data DIR] FILE

// Writes "shipyard: SUBJECT: REASON" and a line end to standard error; returns 1.
int Refuse(const char* subject, const char* reason);
