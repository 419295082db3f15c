# Reports a program that has grown beyond the size budget of tunrix.exe
# (128 KB stripped). Run after linking: cmake -DFILE=... -DLIMIT=... -P this.
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
    message(WARNING "${FILE} is ${size} bytes, over the budget of ${LIMIT} bytes")
endif()
