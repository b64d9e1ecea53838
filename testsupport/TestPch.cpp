// The object the test programs' precompiled header is made with; it compiles to nothing.
